#include "platform/office/CommandBarButton.h"

#include <algorithm>

#include "platform/office/CommandBar.h"
#include "platform/office/Error.h"

namespace office {

CommandBarButton::CommandBarButton(CommandBar& bar, int intType, int intId, bool blnBuiltIn)
    : bar_(&bar), intType_(intType), intId_(intId), blnBuiltIn_(blnBuiltIn) {}

void CommandBarButton::CheckAlive(const char* strMember) const {
  if (blnDeleted_) {
    throw Error(kErrMethodFailed, std::string("Die Methode „") + strMember +
                                      "“ des Objekts „CommandBarButton“ ist fehlgeschlagen: "
                                      "das Steuerelement ist nicht mehr vorhanden.");
  }
}

int CommandBarButton::Type() const {
  CheckAlive("Type");
  return intType_;
}
int CommandBarButton::Id() const {
  CheckAlive("Id");
  return intId_;
}
bool CommandBarButton::BuiltIn() const {
  CheckAlive("BuiltIn");
  return blnBuiltIn_;
}
CommandBar& CommandBarButton::Parent() const {
  CheckAlive("Parent");
  return *bar_;
}
int CommandBarButton::Index() const {
  CheckAlive("Index");
  return bar_->Controls().IndexOf(*this);
}

const std::string& CommandBarButton::Caption() const {
  CheckAlive("Caption");
  return strCaption_;
}
void CommandBarButton::Caption(const std::string& strValue) {
  CheckAlive("Caption");
  strCaption_ = strValue;
  bar_->Changed();
}
const std::string& CommandBarButton::Tag() const {
  CheckAlive("Tag");
  return strTag_;
}
void CommandBarButton::Tag(const std::string& strValue) {
  CheckAlive("Tag");
  strTag_ = strValue;
  bar_->Changed();
}
int CommandBarButton::FaceId() const {
  CheckAlive("FaceId");
  return intFaceId_;
}
void CommandBarButton::FaceId(int intValue) {
  CheckAlive("FaceId");
  intFaceId_ = intValue;
  bar_->Changed();
}
int CommandBarButton::Style() const {
  CheckAlive("Style");
  return intStyle_;
}
void CommandBarButton::Style(int intValue) {
  CheckAlive("Style");
  if (intValue < msoButtonAutomatic || intValue > msoButtonIconAndCaption) {
    throw Error(kErrMethodFailed,
                "Die Methode „Style“ des Objekts „CommandBarButton“ ist fehlgeschlagen.");
  }
  intStyle_ = intValue;
  bar_->Changed();
}
const std::string& CommandBarButton::OnAction() const {
  CheckAlive("OnAction");
  return strOnAction_;
}
void CommandBarButton::OnAction(const std::string& strValue) {
  CheckAlive("OnAction");
  strOnAction_ = strValue;
  bar_->Changed();
}
bool CommandBarButton::BeginGroup() const {
  CheckAlive("BeginGroup");
  return blnBeginGroup_;
}
void CommandBarButton::BeginGroup(bool blnValue) {
  CheckAlive("BeginGroup");
  blnBeginGroup_ = blnValue;
  bar_->Changed();
}
const std::string& CommandBarButton::Parameter() const {
  CheckAlive("Parameter");
  return strParameter_;
}
void CommandBarButton::Parameter(const std::string& strValue) {
  CheckAlive("Parameter");
  strParameter_ = strValue;
  bar_->Changed();
}
bool CommandBarButton::Visible() const {
  CheckAlive("Visible");
  return blnVisible_;
}
void CommandBarButton::Visible(bool blnValue) {
  CheckAlive("Visible");
  blnVisible_ = blnValue;
  bar_->Changed();
}
const std::string& CommandBarButton::TooltipText() const {
  CheckAlive("TooltipText");
  return strTooltipText_;
}
void CommandBarButton::TooltipText(const std::string& strValue) {
  CheckAlive("TooltipText");
  strTooltipText_ = strValue;
  bar_->Changed();
}

void CommandBarButton::Delete() {
  CheckAlive("Delete");
  bar_->Controls().Remove(*this);
}

CommandBarButton::ClickSink CommandBarButton::ConnectClick(ClickHandler handler) {
  CheckAlive("Click");
  auto sink = std::make_shared<ClickHandler>(std::move(handler));
  std::erase_if(sinks_, [](const std::weak_ptr<ClickHandler>& s) { return s.expired(); });
  sinks_.push_back(sink);
  return sink;
}

bool CommandBarButton::Execute() {
  CheckAlive("Execute");
  bool blnCancelDefault = false;
  // A sink may disconnect others, or delete the control, while the event runs.
  const std::vector<std::weak_ptr<ClickHandler>> colSinks = sinks_;
  for (const auto& weak : colSinks) {
    if (auto sink = weak.lock()) (*sink)(*this, blnCancelDefault);
  }
  return blnCancelDefault;
}

}  // namespace office
