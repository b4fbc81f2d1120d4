#include "Arguments.h"

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "version/Version.h"

GuiArguments ParseArguments(int argc, char** argv) {
  GuiArguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string strArg = argv[i];
    if (strArg == "-h" || strArg == "--help") {
      args.blnHelp = true;
    } else if (strArg == "--version") {
      args.blnVersion = true;
    } else if (strArg == "--diagnose-start") {
      args.blnDiagnoseStart = true;
    } else if (strArg.starts_with("-") && strArg != "-") {
      // Qt's own options (-platform, -style …) are taken by QApplication before this runs.
      args.strError = catalog::Format(_("Unbekannte Option: {}"), strArg);
    } else if (args.strPlan) {
      args.strError = catalog::Format(_("Nur ein Projektplan kann geöffnet werden: {}"), strArg);
    } else {
      args.strPlan = strArg;
    }
  }
  return args;
}

std::string HelpText() {
  return _(
      "Aufruf: quorvan-gui [PLAN]\n"
      "\n"
      "Öffnet das Fenster des Projektplans mit dem Quorvan-Assistenten, der aus dem Plan\n"
      "ein Kommunikationsdiagramm erstellt (Menü „Extras“ → „Quorvan Assistent“).\n"
      "\n"
      "Argumente:\n"
      "  PLAN              ein Projektplan von Microsoft Project (.mpp, .mpx oder XML)\n"
      "\n"
      "Optionen:\n"
      "  -h, --help        zeigt diese Hilfe\n"
      "  --version         zeigt die Version\n"
      "  --diagnose-start  misst den Start des Fensters und des Assistenten (für Messungen)\n");
}

std::string VersionText() {
  return std::string("Quorvan ") + QUORVAN_VERSION_TEXT + "\n";
}
