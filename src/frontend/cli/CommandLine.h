#pragma once
// The command line of `quorvan`: every option is declared in DeclareOptions (CommandLine.cpp),
// one line each, bound to a field of CommandLine. Help, version and errors are German.

#include <optional>
#include <string>
#include <vector>

#include "cli/Pictures.h"
#include "cli/WizardOptions.h"

namespace cli {

// What the command line asks for.
struct CommandLine {
  std::vector<std::string> colPlans;  // every plan named; one chart each
  std::string strPlan;                // the plan of this run (the only one, or one of several)
  bool blnDumpModel = false;          // print the chart model as JSON instead of writing a workbook
  bool blnDumpPlan = false;           // print what the host read from the plan as JSON
  // Save the plan as read as Microsoft Project XML under this name; alone, without -o and
  // pictures, no chart is written.
  std::optional<std::string> strSavePlan;
  bool blnRegister = false;    // enter the add-in in the registry, then end
  bool blnUnregister = false;  // remove the add-in's entry from the registry, then end
  WizardOptions wizard;        // the wizard's controls, as the user would set them
  // -o names a folder (it ends with "/" or is one): each chart goes there under the name the
  // wizard proposes for its plan.
  std::optional<std::string> strOutputFolder;
  bool blnProgress = true;  // the progress of the run on stderr
  PictureOptions pictures;  // the chart printed to PDF and drawn as SVG and PNG as well
};

// Where the chart of a plan goes: -o as given, or the name the wizard's save dialog proposes
// (the plan's name with ".xls"), in the -o folder or beside the plan.
std::string ChartPathFor(const CommandLine& options, const std::string& strPlan);

// The outcome of parsing: either the options to run with, or the answer that the command line
// already gives (help, version, an error) with its texts and exit status. A plan is required
// except for --register and --unregister. Without -o the chart goes beside its plan under the
// proposed name, unless only --pdf, --svg or --png are asked for (then only those are
// written); several plans take no -o or a folder, and no pictures. A chart path whose
// extension the engine cannot write (.xlsx, .xls) is refused before any plan is read.
struct ParsedCommandLine {
  std::optional<CommandLine> options;
  int intExitCode = 0;
  std::string strStdout;
  std::string strStderr;
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace cli
