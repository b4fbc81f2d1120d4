#pragma once
// The command `quorvan`: registers the add-in, or reads the plan into the host and runs the
// wizard through the add-in's launch: a workbook written, or the chart model printed.

#include <iosfwd>

namespace cli {

// Exit status: 0 done (the chart written); 1 a check or a question ended the launch, the
// export was broken off, what was printed to out could not be written, or an unexpected
// failure; 2 the command line is wrong, the plan cannot be read, or an output would overwrite
// the plan or one of its inserted projects.
int Main(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace cli
