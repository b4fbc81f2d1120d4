#include "gui/forms/UserInput.h"

#include <string>

#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/vb/Error.h"

namespace gui {

void RunUserAction(const std::function<void()>& action) {
  try {
    action();
  } catch (const vb::Error& e) {
    forms::MsgBox("Laufzeitfehler '" + std::to_string(e.Number()) + "':\r\n\r\n" + e.Description(),
                  forms::vbCritical, "Quorvan");
  }
}

}  // namespace gui
