#include "cli/CommandLine.h"

#include <fmt/format.h>

#include <CLI/CLI.hpp>
#include <memory>

namespace cli {

namespace {

constexpr int kExitCommandLine = 2;

// The options of the command line, one line each.
void DeclareOptions(CLI::App& app, CommandLine& options) {
  app.add_option("PLAN.xml", options.strPlan, "Projektplan im XML-Format von Microsoft Project")
      ->type_name("");
  app.add_flag("--dump-model", options.blnDumpModel,
               "Gibt das Diagrammmodell als JSON aus, ohne eine Arbeitsmappe zu schreiben");
  auto* optRegister =
      app.add_flag("--register", options.blnRegister,
                   "Trägt das Add-In für Microsoft Project in die Registrierung ein");
  auto* optUnregister = app.add_flag("--unregister", options.blnUnregister,
                                     "Entfernt das Add-In aus der Registrierung");
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
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("Positionals", "Argumente");
  formatter->label("REQUIRED", "(erforderlich)");
  formatter->label("TEXT", "TEXT");
  formatter->label("Needs", "Braucht");
  formatter->label("Excludes", "Schließt aus");
  formatter->column_width(26);
  app.formatter(formatter);
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "Zeigt diese Hilfe");
  app.set_version_flag("--version", std::string("Quorvan ") + kVersion, "Zeigt die Version");
}

std::string Usage() {
  return "Aufruf: quorvan PLAN.xml -o DIAGRAMM.xlsx [--pdf DIAGRAMM.pdf] [Optionen]\n"
         "Mehr dazu: quorvan --help\n";
}

// What the parser cannot tell by itself: which of the plan and -o the run needs.
std::string MissingArgument(const CommandLine& options) {
  if (options.blnRegister || options.blnUnregister) return "";
  if (options.strPlan.empty()) return "Es fehlt die Angabe PLAN.xml.";
  if (options.blnDumpModel && options.pictures.Any()) {
    return "Mit --dump-model wird kein Diagramm geschrieben, also auch kein PDF und kein Bild.";
  }
  const bool blnWritesChart = !options.blnDumpModel && !options.wizard.blnSaveDefaults;
  if (blnWritesChart && !options.wizard.strOutput && !options.pictures.Any()) {
    return "Es fehlt die Option -o (wohin das Diagramm gespeichert wird).";
  }
  return "";
}

// CLI11 explains in English; the user reads German.
std::string GermanMessage(const CLI::App& app, const CLI::ParseError& error) {
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    const auto colExtras = app.remaining();
    if (colExtras.size() == 1) return fmt::format("Unbekanntes Argument: {}", colExtras.front());
    return fmt::format("Unbekannte Argumente: {}", fmt::join(colExtras, " "));
  }
  if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
    for (const CLI::Option* option : app.get_options()) {
      if (option->get_required() && option->count() == 0) {
        if (option->get_positional()) {
          return fmt::format("Es fehlt die Angabe {}.", option->get_name());
        }
        return fmt::format("Es fehlt die Option {}.", option->get_name());
      }
    }
    return "Es fehlt eine erforderliche Angabe.";
  }
  // The validators of this command line explain in German themselves ("--color-arrows: …").
  if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) return error.what();
  if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
    std::string strText = error.what();  // "--start excludes --no-start"
    const std::size_t pos = strText.find(" excludes ");
    if (pos != std::string::npos) strText.replace(pos, 10, " und ");
    return "Diese Optionen schließen einander aus: " + strText;
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr ||
      dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
    return "Eine Option hat einen ungültigen oder überzähligen Wert.";
  }
  return "Die Befehlszeile ist fehlerhaft.";
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  ParsedCommandLine parsed;
  CommandLine options;
  CLI::App app("Quorvan macht aus einem Projektplan ein Kommunikationsdiagramm.", "quorvan");
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
  if (const std::string strMissing = MissingArgument(options); !strMissing.empty()) {
    parsed.intExitCode = kExitCommandLine;
    parsed.strStderr = strMissing + "\n" + Usage();
    return parsed;
  }
  parsed.options = options;
  return parsed;
}

}  // namespace cli
