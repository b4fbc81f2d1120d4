#include "platform/forms/Control.h"

#include "platform/forms/Error.h"
#include "platform/forms/Form.h"

namespace forms {

Control::Control(Form& form, std::string strName, Focusable focusable)
    : form_(form),
      strName_(std::move(strName)),
      blnFocusable_(focusable == Focusable::Yes),
      blnTabStop_(focusable == Focusable::Yes) {
  form_.Register(*this);
}

Control::~Control() {
  form_.Unregister(*this);
}

void Control::Container(Control& container) {
  container_ = &container;
  Changed(Property::Position);
}

void Control::Tag(const std::string& strValue) {
  strTag_ = strValue;
  Changed(Property::Tag);
}

void Control::Enabled(bool blnValue) {
  blnEnabled_ = blnValue;
  if (!blnValue && HasFocus()) form_.Focus(nullptr);
  Changed(Property::Enabled);
}

void Control::Visible(bool blnValue) {
  blnVisible_ = blnValue;
  if (!blnValue && HasFocus()) form_.Focus(nullptr);
  Changed(Property::Visible);
}

void Control::TabStop(bool blnValue) {
  if (!blnFocusable_) {
    throw Error(
        kErrPropertyNotSupported,
        "Objekt unterstützt diese Eigenschaft oder Methode nicht: " + strName_ + ".TabStop");
  }
  blnTabStop_ = blnValue;
  Changed(Property::TabStop);
}

int Control::TabIndex() const {
  return form_.TabIndexOf(*this);
}

void Control::TabIndex(int intValue) {
  if (intValue < 0) ThrowInvalidValue("TabIndex");
  form_.MoveInTabOrder(*this, intValue);
}

void Control::Left(std::int32_t lngValue) {
  lngLeft_ = lngValue;
  Changed(Property::Position);
}

void Control::Top(std::int32_t lngValue) {
  lngTop_ = lngValue;
  Changed(Property::Position);
}

void Control::Width(std::int32_t lngValue) {
  if (lngValue < 0) ThrowInvalidValue("Width");
  lngWidth_ = lngValue;
  Changed(Property::Position);
}

void Control::Height(std::int32_t lngValue) {
  if (lngValue < 0) ThrowInvalidValue("Height");
  lngHeight_ = lngValue;
  Changed(Property::Position);
}

void Control::Move(std::int32_t lngLeft, std::int32_t lngTop, std::int32_t lngWidth,
                   std::int32_t lngHeight) {
  if (lngWidth < 0) ThrowInvalidValue("Width");
  if (lngHeight < 0) ThrowInvalidValue("Height");
  lngLeft_ = lngLeft;
  lngTop_ = lngTop;
  lngWidth_ = lngWidth;
  lngHeight_ = lngHeight;
  Changed(Property::Position);
}

void Control::ToolTipText(const std::string& strValue) {
  strToolTipText_ = strValue;
  Changed(Property::ToolTipText);
}

void Control::BackColor(std::int32_t lngValue) {
  lngBackColor_ = lngValue;
  Changed(Property::BackColor);
}

void Control::ForeColor(std::int32_t lngValue) {
  lngForeColor_ = lngValue;
  Changed(Property::ForeColor);
}

void Control::MousePointer(int intValue) {
  if (intValue < 0 || (intValue > 15 && intValue != vbCustom)) ThrowInvalidValue("MousePointer");
  intMousePointer_ = intValue;
  Changed(Property::MousePointer);
}

void Control::FontUnderline(bool blnValue) {
  blnFontUnderline_ = blnValue;
  Changed(Property::Font);
}

void Control::FontBold(bool blnValue) {
  blnFontBold_ = blnValue;
  Changed(Property::Font);
}

bool Control::Reachable() const {
  for (const Control* ctl = this; ctl != nullptr; ctl = ctl->container_) {
    if (!ctl->blnEnabled_ || !ctl->blnVisible_) return false;
  }
  return form_.Enabled();
}

void Control::SetFocus() {
  if (!blnFocusable_) {
    throw Error(
        kErrPropertyNotSupported,
        "Objekt unterstützt diese Eigenschaft oder Methode nicht: " + strName_ + ".SetFocus");
  }
  if (!Reachable()) {
    throw Error(kErrCannotFocus, "Ungültiger Prozeduraufruf oder ungültiges Argument: " + strName_ +
                                     " kann den Fokus nicht erhalten.");
  }
  form_.Focus(this);
}

bool Control::HasFocus() const {
  return form_.ActiveControl() == this;
}

void Control::Refresh() {
  Changed(Property::Refresh);
}

void Control::Click() {
  if (Reachable()) RaiseClick();
}

void Control::MouseMove(int intButton, int intShift, float sngX, float sngY) {
  if (Reachable() && OnMouseMove) OnMouseMove(intButton, intShift, sngX, sngY);
}

void Control::Changed(Property property) {
  form_.Changed(this, property);
}

void Control::RaiseClick() {
  if (OnClick) OnClick();
}

void Control::ThrowInvalidValue(const std::string& strProperty) const {
  throw Error(kErrInvalidPropertyValue,
              "Unzulässiger Eigenschaftswert: " + strName_ + "." + strProperty);
}

}  // namespace forms
