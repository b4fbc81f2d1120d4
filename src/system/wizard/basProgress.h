#pragma once
// The progress display that the run and the export share: the wizard's progress bar and label,
// or the host's status bar.

#include <string>

// With blnInWizard: the wizard's bar shows dblPercent (0 … 100) and its label strText, both
// repainted at once. Otherwise strText goes into the host's status bar. A step that fails is
// skipped and the others still run; the result is true when any step failed (no wizard, no
// host, a percentage out of range).
bool ShowProgress(bool blnInWizard, double dblPercent, const std::string& strText);
