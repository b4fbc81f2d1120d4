#pragma once
// The command line of `quorvan`: every option is declared in DeclareOptions (CommandLine.cpp),
// one line each, bound to a field of CommandLine. Help, version and errors are German.

#include <optional>
#include <string>

#include "cli/Pictures.h"
#include "cli/WizardOptions.h"

namespace cli {

inline constexpr const char* kVersion = "1.1.0053";

// What the command line asks for.
struct CommandLine {
  std::string strPlan;         // the plan file
  bool blnDumpModel = false;   // print the chart model as JSON instead of writing a workbook
  bool blnRegister = false;    // enter the add-in in the registry, then end
  bool blnUnregister = false;  // remove the add-in's entry from the registry, then end
  WizardOptions wizard;        // the wizard's controls, as the user would set them
  PictureOptions pictures;     // the chart printed to PDF and drawn as SVG and PNG as well
};

// The outcome of parsing: either the options to run with, or the answer that the command line
// already gives (help, version, an error) with its texts and exit status. A plan is required
// except for --register and --unregister; -o is required except with --dump-model and
// --save-defaults (which then only store the defaults) and when --pdf, --svg or --png name
// where the chart goes; these write no chart with --dump-model and are refused with it.
struct ParsedCommandLine {
  std::optional<CommandLine> options;
  int intExitCode = 0;
  std::string strStdout;
  std::string strStderr;
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace cli
