#include "cli/CommandLine.h"

#include <fmt/format.h>

#include <CLI/CLI.hpp>
#include <cctype>
#include <filesystem>
#include <memory>

#include "cli/ExitStatus.h"
#include "cli/OutputNames.h"
#include "dialogs/basDialogXLFile.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "version/Version.h"

namespace cli {

namespace {

// The options of the command line, one line each.
void DeclareOptions(CLI::App& app, CommandLine& options) {
  app.add_option("PLAN", options.colPlans,
                 _("Projektplan von Microsoft Project (.mpp, .mpx oder XML); mehrere Pläne "
                   "werden nebeneinander bearbeitet, je ein Diagramm"))
      ->type_name("");
  app.add_flag("--dump-model", options.blnDumpModel,
               _("Gibt das Diagrammmodell als JSON aus, ohne eine Arbeitsmappe zu schreiben"));
  app.add_flag("--dump-plan", options.blnDumpPlan,
               _("Gibt als JSON aus, was aus dem Plan gelesen wurde, ohne Diagramm"))
      ->excludes("--dump-model");
  app.add_option("--save-plan", options.strSavePlan,
                 _("Speichert den Plan, wie er gelesen wurde, als XML von Microsoft Project "
                   "(eine .mpp oder .mpx wird zu XML); ein Diagramm nur mit -o, --pdf, --svg "
                   "oder --png"))
      ->type_name(_("PLAN.xml"))
      ->excludes("--dump-model")
      ->excludes("--dump-plan");
  auto* optRegister =
      app.add_flag("--register", options.blnRegister,
                   _("Trägt das Add-In für Microsoft Project in die Registrierung ein"));
  auto* optUnregister = app.add_flag("--unregister", options.blnUnregister,
                                     _("Entfernt das Add-In aus der Registrierung"));
  optRegister->excludes(optUnregister);
  DeclareWizardOptions(app, options.wizard);
  DeclarePictureOptions(app, options.pictures);
}

// The help in German. The pairs --x / --no-x exclude each other; saying so on every line of the
// help would only clutter it (a command line with both is still refused).
class GermanFormatter : public CLI::Formatter {
 public:
  std::string make_option_opts(const CLI::Option* opt) const override {
    std::string strOpts = CLI::Formatter::make_option_opts(opt);
    const std::size_t at = strOpts.find(" " + get_label("Excludes") + ":");
    if (at != std::string::npos) strOpts.erase(at);
    return strOpts;
  }
};

void SpeakGerman(CLI::App& app) {
  auto formatter = std::make_shared<GermanFormatter>();
  formatter->label("Usage", _("Aufruf"));
  formatter->label("OPTIONS", _("OPTIONEN"));
  formatter->label("Positionals", _("Argumente"));
  formatter->label("REQUIRED", _("(erforderlich)"));
  formatter->label("TEXT", "TEXT");
  formatter->label("Needs", _("Braucht"));
  formatter->label("Excludes", _("Schließt aus"));
  formatter->column_width(26);
  app.formatter(formatter);
  app.option_defaults()->group(_("Optionen"));
  app.set_help_flag("-h,--help", _("Zeigt diese Hilfe"));
  app.set_version_flag("--version", "Quorvan " QUORVAN_VERSION_TEXT, _("Zeigt die Version"));
}

std::string Usage() {
  return _(
      "Aufruf: quorvan PLAN [PLAN …] [-o DIAGRAMM.xls|ORDNER/] [--pdf DIAGRAMM.pdf] "
      "[--save-plan PLAN.xml] [Optionen]\n"
      "Mehr dazu: quorvan --help\n");
}

bool NamesFolder(const std::string& strPath) {
  std::error_code ec;
  return strPath.ends_with('/') || std::filesystem::is_directory(strPath, ec);
}

// The formats the engine writes, by the chart path's extension.
bool WritableChart(const std::string& strPath) {
  std::string strExtension = std::filesystem::path(strPath).extension().string();
  for (char& c : strExtension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return strExtension == ".xlsx" || strExtension == ".xls";
}

// A file name that is nothing but an extension (".xlsx"): the name itself is missing.
bool OnlyExtension(const std::string& strPath) {
  const std::string strName = std::filesystem::path(strPath).filename().string();
  return strName.size() > 1 && strName.front() == '.' && strName.find('.', 1) == std::string::npos;
}

// A file to be written must be named: not a folder, not only an extension.
std::string CheckFileName(const std::string& strOption, const std::string& strPath,
                          const std::string& strExtension) {
  if (NamesFolder(strPath)) {
    return catalog::Format(
        _("{}: „{}“ ist ein Ordner; es fehlt der Dateiname (zum Beispiel „{}“)."), strOption,
        strPath, (std::filesystem::path(strPath) / (_("Diagramm") + strExtension)).string());
  }
  if (OnlyExtension(strPath)) {
    return catalog::Format(
        _("{}: „{}“ ist nur eine Endung; es fehlt der Dateiname (zum Beispiel „{}“)."), strOption,
        strPath,
        (std::filesystem::path(strPath).parent_path() / (_("Diagramm") + strExtension)).string());
  }
  return "";
}

// What the parser cannot tell by itself: which of the plans and -o the run needs, and whether
// the engine can write the charts asked for.
std::string CheckArguments(CommandLine& options) {
  if (options.blnRegister || options.blnUnregister) return "";
  if (options.colPlans.empty()) return _("Es fehlt die Angabe PLAN.");
  if ((options.blnDumpModel || options.blnDumpPlan) && options.pictures.Any()) {
    return catalog::Format(
        _("Mit {} wird kein Diagramm geschrieben, also auch kein PDF und kein Bild."),
        options.blnDumpPlan ? "--dump-plan" : "--dump-model");
  }
  if (options.blnDumpPlan && (options.wizard.strOutput || options.wizard.blnSaveDefaults)) {
    return _(
        "Mit --dump-plan wird kein Diagramm geschrieben; -o und --save-defaults gelten "
        "nicht.");
  }
  const bool blnWritesChart = !options.blnDumpModel && !options.blnDumpPlan;
  if (options.strSavePlan) {
    if (options.colPlans.size() > 1) return _("--save-plan gilt nur für einen Plan.");
    if (std::string strProblem = CheckFileName("--save-plan", *options.strSavePlan, ".xml");
        !strProblem.empty()) {
      return strProblem;
    }
  }
  if (options.colPlans.size() > 1) {
    if (options.blnDumpModel || options.blnDumpPlan || options.wizard.blnSaveDefaults) {
      return _("--dump-model, --dump-plan und --save-defaults gelten nur für einen Plan.");
    }
    if (options.pictures.Any()) return _("--pdf, --svg und --png gelten nur für einen Plan.");
    if (options.wizard.strOutput && !NamesFolder(*options.wizard.strOutput)) {
      return _("Für mehrere Pläne nennt -o einen Ordner (mit „/“ am Ende), nicht eine Datei.");
    }
  }
  for (const auto& [strOption, strPath] : options.pictures.Named()) {
    const std::string strExtension = "." + strOption.substr(2);
    if (std::string strProblem = CheckFileName(strOption, strPath, strExtension);
        !strProblem.empty()) {
      return strProblem;
    }
  }
  // Only the name is missing where the extension is one the engine writes; any other is refused
  // for its format below.
  if (options.wizard.strOutput && OnlyExtension(*options.wizard.strOutput) &&
      WritableChart("Diagramm" +
                    std::filesystem::path(*options.wizard.strOutput).filename().string())) {
    return CheckFileName("-o", *options.wizard.strOutput,
                         std::filesystem::path(*options.wizard.strOutput).filename().string());
  }
  if (options.wizard.strOutput && NamesFolder(*options.wizard.strOutput)) {
    options.strOutputFolder = options.wizard.strOutput;
    options.wizard.strOutput.reset();
  }
  options.strPlan = options.colPlans.front();
  // With --save-defaults alone and no -o, nothing but the defaults is asked for; with only
  // pictures asked for, only the pictures are written; with --save-plan, only the plan.
  const bool blnNoWorkbook =
      !options.wizard.strOutput && !options.strOutputFolder &&
      (options.wizard.blnSaveDefaults || options.pictures.Any() || options.strSavePlan);
  if (!blnWritesChart || blnNoWorkbook) return "";
  for (const std::string& strPlan : options.colPlans) {
    const std::string strChart = ChartPathFor(options, strPlan);
    if (!WritableChart(strChart)) {
      return catalog::Format(_("Die Arbeitsmappe „{}“ kann nicht geschrieben werden: Diagramme "
                               "werden als .xlsx oder .xls gespeichert."),
                             strChart);
    }
  }
  if (options.colPlans.size() == 1)
    options.wizard.strOutput = ChartPathFor(options, options.strPlan);
  return "";
}

// CLI11 explains in English; the user reads German.
std::string GermanMessage(const CLI::App& app, const CLI::ParseError& error) {
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    const auto colExtras = app.remaining();
    if (colExtras.size() == 1)
      return catalog::Format(_("Unbekanntes Argument: {}"), colExtras.front());
    return catalog::Format(_("Unbekannte Argumente: {}"), fmt::join(colExtras, " "));
  }
  if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
    for (const CLI::Option* option : app.get_options()) {
      if (option->get_required() && option->count() == 0) {
        if (option->get_positional()) {
          return catalog::Format(_("Es fehlt die Angabe {}."), option->get_name());
        }
        return catalog::Format(_("Es fehlt die Option {}."), option->get_name());
      }
    }
    return _("Es fehlt eine erforderliche Angabe.");
  }
  // The validators of this command line explain in German themselves ("--color-arrows: …").
  if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) return error.what();
  if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
    std::string strText = error.what();  // "--start excludes --no-start"
    const std::size_t pos = strText.find(" excludes ");
    if (pos != std::string::npos) strText.replace(pos, 10, _(" und "));
    return catalog::Format(_("Diese Optionen schließen einander aus: {}"), strText);
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr ||
      dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
    return _("Eine Option hat einen ungültigen oder überzähligen Wert.");
  }
  return _("Die Befehlszeile ist fehlerhaft.");
}

}  // namespace

std::string ChartPathFor(const CommandLine& options, const std::string& strPlan) {
  if (options.wizard.strOutput && options.colPlans.size() <= 1) return *options.wizard.strOutput;
  const std::filesystem::path plan(strPlan);
  const std::string strName = basDialogXLFile::ProposeChartFileName(plan.filename().string());
  if (options.strOutputFolder)
    return (std::filesystem::path(*options.strOutputFolder) / strName).string();
  return (plan.parent_path() / strName).string();
}

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  ParsedCommandLine parsed;
  CommandLine options;
  CLI::App app(_("Quorvan macht aus einem Projektplan ein Kommunikationsdiagramm."), "quorvan");
  SpeakGerman(app);
  DeclareOptions(app, options);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    parsed.strStdout = app.help();
    return parsed;
  } catch (const CLI::CallForVersion& version) {
    parsed.strStdout = std::string(version.what()) + "\n";
    return parsed;
  } catch (const CLI::ParseError& error) {
    parsed.intExitCode = kExitCommandLine;
    parsed.strStderr = GermanMessage(app, error) + "\n" + Usage();
    return parsed;
  }
  std::string strMissing = CheckArguments(options);
  if (strMissing.empty()) strMissing = CheckOutputNames(options);
  if (!strMissing.empty()) {
    parsed.intExitCode = kExitCommandLine;
    parsed.strStderr = strMissing + "\n" + Usage();
    return parsed;
  }
  parsed.options = options;
  return parsed;
}

}  // namespace cli
