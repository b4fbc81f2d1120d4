#pragma once
// How `quorvan` ends on SIGINT (Ctrl+C) and SIGTERM: it removes the work folders it is writing
// in (a half-written workbook of up to 100 MB beside the target, the pictures' temporary
// workbook), ends the runs of a batch that it started and waits for them, and then ends as the
// signal ends a program, so that its caller sees the signal. A run of a batch also ends when
// its parent ends in any way.

#include <sys/types.h>

namespace cli {

// Installs the handlers for SIGINT and SIGTERM (the signals' own action where the caller
// ignores them, as a shell does for a job in the background, stays).
void EndCleanlyOnSignals();

// The runs of a batch: a started run is ended with its parent; see EndWithParent.
void AddChild(pid_t pid);
void RemoveChild(pid_t pid);

// For a run just forked from parent: it gets SIGTERM when the parent ends, however it ends.
void EndWithParent(pid_t parent);

}  // namespace cli
