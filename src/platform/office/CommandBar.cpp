#include "platform/office/CommandBar.h"

#include "platform/office/CommandBars.h"
#include "platform/office/Error.h"

namespace office {

CommandBar::CommandBar(CommandBars& bars, std::string strName, int intPosition, bool blnBuiltIn)
    : bars_(bars),
      strName_(std::move(strName)),
      intPosition_(intPosition),
      blnBuiltIn_(blnBuiltIn) {}

void CommandBar::CheckAlive(const char* strMember) const {
  if (blnDeleted_) {
    throw Error(kErrMethodFailed, std::string("Die Methode „") + strMember +
                                      "“ des Objekts „CommandBar“ ist fehlgeschlagen: die "
                                      "Symbolleiste ist nicht mehr vorhanden.");
  }
}

const std::string& CommandBar::Name() const {
  CheckAlive("Name");
  return strName_;
}
int CommandBar::Position() const {
  CheckAlive("Position");
  return intPosition_;
}
bool CommandBar::BuiltIn() const {
  CheckAlive("BuiltIn");
  return blnBuiltIn_;
}
bool CommandBar::Visible() const {
  CheckAlive("Visible");
  return blnVisible_;
}
void CommandBar::Visible(bool blnValue) {
  CheckAlive("Visible");
  blnVisible_ = blnValue;
  Changed();
}
CommandBarControls& CommandBar::Controls() {
  CheckAlive("Controls");
  return controls_;
}
const CommandBarControls& CommandBar::Controls() const {
  CheckAlive("Controls");
  return controls_;
}

CommandBarControls::Handle CommandBar::FindControl(std::optional<int> Type, std::optional<int> Id,
                                                   const std::optional<std::string>& Tag) const {
  CheckAlive("FindControl");
  for (const auto& ctl : controls_) {
    if (Type && ctl->intType_ != *Type) continue;
    if (Id && ctl->intId_ != *Id) continue;
    if (Tag && ctl->strTag_ != *Tag) continue;
    return ctl;
  }
  return nullptr;
}

void CommandBar::Delete() {
  CheckAlive("Delete");
  if (blnBuiltIn_) {
    throw Error(kErrMethodFailed,
                "Die Methode „Delete“ des Objekts „CommandBar“ ist fehlgeschlagen: eine "
                "integrierte Leiste kann nicht gelöscht werden.");
  }
  bars_.Remove(*this);
}

void CommandBar::Changed() const {
  bars_.Changed();
}

void CommandBar::MarkDeleted() {
  blnDeleted_ = true;
  for (const auto& ctl : controls_.controls_) ctl->MarkDeleted();
}

}  // namespace office
