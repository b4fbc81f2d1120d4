#pragma once
// The command `quorvan`: reads the plan into the host, builds the chart model, and prints what
// the command line asks for.

#include <iosfwd>

namespace cli {

// Exit status: 0 done, 2 the plan cannot be read or the command line is wrong, 1 a check of
// the wizard failed (its message on err) or an unexpected failure.
int Main(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace cli
