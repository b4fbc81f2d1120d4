#pragma once
// The names of the files a run writes, checked together before any plan is read and anything is
// written, so that no output is lost to another or written in a form the user did not ask for:
//
// - each picture's name ends in the extension of its option (--pdf .pdf, --svg .svg, --png .png,
//   in any case), so that the file holds the format the option names; a name without it is
//   refused as -o refuses one, not completed behind the user's back;
// - no two outputs of a run are the same file (by name after "." and "..", links and hard links
//   of a file that exists);
// - in a run of several plans no two plans get the same chart (the same plan twice, plans of one
//   name from two folders into one -o folder), and no plan's chart is another plan of the run.
//
// The files of the plan itself (and its inserted projects) are checked once it is read
// (PlanFiles.h).

#include <string>

namespace cli {

struct CommandLine;

// The German message refusing the first problem found, "" when the names are sound. Expects the
// options as the parse leaves them (the chart path of a single plan set, or the -o folder).
std::string CheckOutputNames(const CommandLine& options);

}  // namespace cli
