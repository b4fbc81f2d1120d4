#include "cli/Pictures.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/PicturePainter.h"
#include "cli/WizardRun.h"
#include "export/RunChart.h"
#include "platform/catalog/Catalog.h"
#include "platform/excel/Application.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/save/WorkFolder.h"
#include "platform/vb/Error.h"

namespace cli {

namespace fs = std::filesystem;

std::vector<std::pair<std::string, std::string>> PictureOptions::Named() const {
  std::vector<std::pair<std::string, std::string>> colNamed;
  if (strPdf) colNamed.emplace_back("--pdf", *strPdf);
  if (strSvg) colNamed.emplace_back("--svg", *strSvg);
  if (strPng) colNamed.emplace_back("--png", *strPng);
  return colNamed;
}

void DeclarePictureOptions(CLI::App& app, PictureOptions& options) {
  app.add_option("--pdf", options.strPdf, _("Druckt das Diagramm zusätzlich als PDF-Datei"))
      ->type_name("PATH");
  app.add_option("--svg", options.strSvg, _("Zeichnet das Diagramm zusätzlich als SVG-Bild"))
      ->type_name("PATH");
  app.add_option("--png", options.strPng, _("Zeichnet das Diagramm zusätzlich als PNG-Bild"))
      ->type_name("PATH");
  app.add_option_function<std::int32_t>(
         "--dpi",
         [&options](std::int32_t lngDpi) {
           if (lngDpi < 10 || lngDpi > 2400) {
             throw CLI::ValidationError(
                 _("--dpi: Die Auflösung muss zwischen 10 und 2400 dpi "
                   "liegen."));
           }
           options.lngDpi = lngDpi;
         },
         _("Auflösung des PNG-Bildes in dpi (Standard 150)"))
      ->type_name("N");
}

int RunWizardWithPictures(msproject::Application& objApplication, const CommandLine& options,
                          std::ostream& out, std::ostream& err, bool blnTerminal) {
  CommandLine run = options;
  // Without -o the workbook goes into a folder of the run's own in the temporary folder; the
  // folders that runs killed outright left there are removed first.
  std::optional<excel::WorkFolder> folder;
  if (!run.wizard.strOutput) {
    const fs::path temporary = fs::temp_directory_path();
    excel::RemoveDeadWorkFolders(temporary);
    try {
      folder.emplace(temporary);
    } catch (const vb::Error&) {
      err << _("Im temporären Ordner kann kein Ordner für die Arbeitsmappe angelegt werden.\n");
      return kExitStopped;
    }
    run.wizard.strOutput = (folder->Path() / fs::path(options.strPlan).stem()).string() + ".xlsx";
  }
  RunResult result;
  // The engine the run kept its workbook in is ended however the pictures go.
  struct EndEngine {
    RunResult& result;
    ~EndEngine() {
      if (result.objEngine && !result.objEngine->HasQuit()) result.objEngine->Quit();
    }
  } end{result};
  const int intExitCode = RunWizard(objApplication, run, out, err, blnTerminal, &result);
  if (intExitCode != 0) return intExitCode;

  excel::Workbook* book = result.objWorkbook;
  if (book == nullptr) {
    err << _(
        "Das Diagramm wurde nicht gespeichert; PDF und Bilder können nicht erstellt werden.\n");
    return kExitStopped;
  }
  try {
    PicturePainter painter;
    if (options.pictures.strPdf) {
      book->ExportAsFixedFormat(excel::xlTypePDF, *options.pictures.strPdf);
    }
    if (options.pictures.strSvg) book->Worksheets(1).ExportPicture(*options.pictures.strSvg);
    if (options.pictures.strPng) {
      book->Worksheets(1).ExportPicture(*options.pictures.strPng, options.pictures.lngDpi);
    }
  } catch (const vb::Error& error) {
    err << error.Description() << '\n';
    return kExitStopped;
  }
  return 0;
}

}  // namespace cli
