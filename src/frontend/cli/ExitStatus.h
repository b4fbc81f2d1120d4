#pragma once
// The exit statuses of `quorvan` beside 0 (done), as cli::Main describes them.

namespace cli {

// A check or a question ended the launch, the export was broken off, or a failure.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitStopped = kExitFailure;
// The command line is wrong, or the plan cannot be read or would be overwritten.
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitCommandLine = kExitBadInput;

}  // namespace cli
