#pragma once
// What the wizard's tests share: a loaded wizard as the launch leaves it (the stored defaults
// of a machine without any, a path chosen), message boxes answered from a script, and ways to
// read what the user sees.

#include <string>
#include <vector>

#include "support/MsgBoxScript.h"
#include "wizard/frmQuorvan.h"

namespace wizardtest {

// The defaults that the launch puts into the controls on a machine without stored settings.
void FillDefaults(frmQuorvan& frm);

// The step whose frame is in view (Left 360, Top 1920); 0 when none is, −1 when more are.
int StepInView(const frmQuorvan& frm);

// The names of the controls that have a tab stop, by tab index.
std::vector<std::string> TabOrderNames(const frmQuorvan& frm);

// The prompts of the boxes shown so far.
std::vector<std::string> Prompts(const forms::MsgBoxScript& script);

// Goes from Step 1 to the given step with Next (the path must allow leaving Step 1).
void GoTo(frmQuorvan& frm, int intStep);

}  // namespace wizardtest
