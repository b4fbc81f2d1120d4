#include "gui/forms/UserInput.h"

#include <string>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/vb/Error.h"

namespace gui {

void RunUserAction(const std::function<void()>& action) {
  try {
    action();
  } catch (const vb::Error& e) {
    forms::MsgBox(catalog::Format(_("Laufzeitfehler '{}':\r\n\r\n{}"), e.Number(), e.Description()),
                  forms::vbCritical, "Quorvan");
  }
}

}  // namespace gui
