#pragma once
// The chart in the forms a reader without a spreadsheet program can open: printed to PDF, drawn
// as SVG and PNG. The command line builds the chart once, as for the workbook, and writes it in
// every form asked for from the workbook that the export built.
//
// How the workbook is had: the run keeps its saved workbook open in an engine of the run's
// result, instead of closing it and quitting; the command line prints the workbook from there
// and ends the engine. Without -o the workbook is saved into a temporary folder that goes with
// the run (a work folder, WorkFolder.h).

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
}

namespace msproject {
class Application;
}

namespace cli {

struct CommandLine;

struct PictureOptions {
  std::optional<std::string> strPdf;  // --pdf FILE
  std::optional<std::string> strSvg;  // --svg FILE
  std::optional<std::string> strPng;  // --png FILE
  std::int32_t lngDpi = 150;          // --dpi N, for the PNG

  bool Any() const { return strPdf || strSvg || strPng; }
  // The pictures asked for, each with its option: {"--pdf", path}, … in that order.
  std::vector<std::pair<std::string, std::string>> Named() const;
};

// Declares --pdf, --svg, --png and --dpi (10 to 2400, refused in German otherwise).
void DeclarePictureOptions(CLI::App& app, PictureOptions& options);

// Runs the wizard (see WizardRun.h) and writes the pictures asked for. Exit status as RunWizard;
// 1 as well when a picture cannot be written (the engine's reason goes to err).
int RunWizardWithPictures(msproject::Application& objApplication, const CommandLine& options,
                          std::ostream& out, std::ostream& err, bool blnTerminal);

}  // namespace cli
