#pragma once
// Runs what a user's click or key does in the system (a control's event, a command bar's
// click) from inside Qt's event handling. An error of the platform that the system's handlers
// let through is shown as the runtime shows an error that nobody traps ("Laufzeitfehler"),
// and nothing passes on into Qt.

#include <functional>

namespace gui {

void RunUserAction(const std::function<void()>& action);

}  // namespace gui
