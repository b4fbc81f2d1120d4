#include "platform/office/CommandBarControls.h"

#include <algorithm>
#include <string>

#include "platform/office/CommandBar.h"
#include "platform/office/Error.h"

namespace office {

namespace {

[[noreturn]] void Refuse(const std::string& strWhy) {
  throw Error(kErrMethodFailed,
              "Die Methode „Add“ des Objekts „CommandBarControls“ ist fehlgeschlagen: " + strWhy);
}

}  // namespace

CommandBarControls::Handle CommandBarControls::Add(int Type, int Id, const std::string& Parameter,
                                                   std::optional<int> Before, bool Temporary) {
  (void)Temporary;  // the stand-in keeps every control until it is deleted
  bar_.CheckAlive("Controls");
  if (Type != msoControlButton) Refuse("dieser Steuerelementtyp wird nicht unterstützt.");
  if (Before && (*Before < 1 || *Before > Count() + 1)) {
    Refuse("die Position " + std::to_string(*Before) + " liegt außerhalb der Leiste.");
  }
  // An Id of the host's own makes a copy of that command; any other is a button of one's own.
  auto ctl = std::make_shared<CommandBarButton>(bar_, Type, Id, false);
  ctl->strParameter_ = Parameter;
  const auto where = Before ? controls_.begin() + (*Before - 1) : controls_.end();
  controls_.insert(where, ctl);
  bar_.Changed();
  return ctl;
}

int CommandBarControls::Count() const {
  bar_.CheckAlive("Controls");
  return static_cast<int>(controls_.size());
}

CommandBarControls::Handle CommandBarControls::Item(int index) const {
  if (index < 1 || index > Count()) {
    throw Error(kErrInvalidArgument,
                "Ungültiger Prozeduraufruf oder ungültiges Argument: Steuerelement " +
                    std::to_string(index) + " gibt es nicht.");
  }
  return controls_[static_cast<std::size_t>(index - 1)];
}

CommandBarControls::Handle CommandBarControls::Append(int intType, int intId, bool blnBuiltIn) {
  auto ctl = std::make_shared<CommandBarButton>(bar_, intType, intId, blnBuiltIn);
  controls_.push_back(ctl);
  return ctl;
}

void CommandBarControls::Remove(const CommandBarButton& ctl) {
  const auto it = std::find_if(controls_.begin(), controls_.end(),
                               [&](const Handle& h) { return h.get() == &ctl; });
  if (it == controls_.end()) return;
  (*it)->MarkDeleted();
  controls_.erase(it);
  bar_.Changed();
}

int CommandBarControls::IndexOf(const CommandBarButton& ctl) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].get() == &ctl) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace office
