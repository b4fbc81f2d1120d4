#include "platform/forms/Form.h"

#include <algorithm>

#include "platform/forms/Error.h"
#include "platform/forms/FrontEnd.h"

namespace forms {

Form::Form(std::string strName) : strName_(std::move(strName)) {}

// The controls are members of the derived form and have unregistered themselves by now.
Form::~Form() = default;

void Form::Caption(const std::string& strValue) {
  strCaption_ = strValue;
  Changed(nullptr, Property::Caption);
}

void Form::Tag(const std::string& strValue) {
  strTag_ = strValue;
  Changed(nullptr, Property::Tag);
}

void Form::Left(std::int32_t lngValue) {
  lngLeft_ = lngValue;
  Changed(nullptr, Property::Position);
}

void Form::Top(std::int32_t lngValue) {
  lngTop_ = lngValue;
  Changed(nullptr, Property::Position);
}

void Form::Width(std::int32_t lngValue) {
  if (lngValue < 0) throw Error(kErrInvalidPropertyValue, "Unzulässiger Eigenschaftswert: Width");
  lngWidth_ = lngValue;
  Changed(nullptr, Property::Position);
}

void Form::Height(std::int32_t lngValue) {
  if (lngValue < 0) throw Error(kErrInvalidPropertyValue, "Unzulässiger Eigenschaftswert: Height");
  lngHeight_ = lngValue;
  Changed(nullptr, Property::Position);
}

void Form::Move(std::int32_t lngLeft, std::int32_t lngTop, std::int32_t lngWidth,
                std::int32_t lngHeight) {
  Left(lngLeft);
  Top(lngTop);
  Width(lngWidth);
  Height(lngHeight);
}

void Form::BackColor(std::int32_t lngValue) {
  lngBackColor_ = lngValue;
  Changed(nullptr, Property::BackColor);
}

void Form::MousePointer(int intValue) {
  if (intValue < 0 || (intValue > 15 && intValue != vbCustom)) {
    throw Error(kErrInvalidPropertyValue, "Unzulässiger Eigenschaftswert: MousePointer");
  }
  intMousePointer_ = intValue;
  Changed(nullptr, Property::MousePointer);
}

void Form::Enabled(bool blnValue) {
  blnEnabled_ = blnValue;
  Changed(nullptr, Property::Enabled);
}

std::vector<Control*> Form::TabOrder() const {
  std::vector<Control*> order;
  for (Control* ctl : tabOrder_) {
    if (ctl->TabStop() && ctl->Reachable()) order.push_back(ctl);
  }
  return order;
}

void Form::Load() {
  if (blnLoaded_) return;
  blnLoaded_ = true;
  activeControl_ = nullptr;
  // Controls set while the form was unloaded keep their values, as when such an access loads
  // the form first.
  if (!blnDesignState_) InitializeComponent();
  blnDesignState_ = false;
  Form_Load();
  Changed(nullptr, Property::Loaded);
}

void Form::Show(int intModal) {
  if (intModal != vbModeless && intModal != vbModal) {
    throw Error(kErrInvalidPropertyValue, "Unzulässiger Eigenschaftswert: Show");
  }
  Load();
  blnVisible_ = true;
  Changed(nullptr, Property::Visible);
  if (intModal == vbModal) {
    blnModal_ = true;
    try {
      RunModal(*this);
    } catch (...) {
      blnModal_ = false;
      throw;
    }
    blnModal_ = false;
  }
}

void Form::Hide() {
  blnVisible_ = false;
  Changed(nullptr, Property::Visible);
}

bool Form::Unload() {
  if (!blnLoaded_) return false;
  int intCancel = 0;
  Form_QueryUnload(intCancel);
  if (intCancel != 0) return false;
  Form_Unload();
  blnVisible_ = false;
  blnLoaded_ = false;
  activeControl_ = nullptr;
  Changed(nullptr, Property::Visible);
  Changed(nullptr, Property::Loaded);
  // What the form held is gone: its controls are back in their design-time state.
  InitializeComponent();
  blnDesignState_ = true;
  return true;
}

void Form::Refresh() {
  Changed(nullptr, Property::Refresh);
}

void Form::MouseMove(int intButton, int intShift, float sngX, float sngY) {
  if (blnLoaded_ && blnEnabled_) Form_MouseMove(intButton, intShift, sngX, sngY);
}

void Form::Click() {
  if (blnLoaded_ && blnEnabled_) Form_Click();
}

void Form::Register(Control& ctl) {
  controls_.push_back(&ctl);
  tabOrder_.push_back(&ctl);
}

void Form::Unregister(Control& ctl) {
  std::erase(controls_, &ctl);
  std::erase(tabOrder_, &ctl);
  if (activeControl_ == &ctl) activeControl_ = nullptr;
}

void Form::Changed(Control* ctl, Property property) {
  if (observer_) observer_(ctl, property);
}

int Form::TabIndexOf(const Control& ctl) const {
  auto it = std::find(tabOrder_.begin(), tabOrder_.end(), &ctl);
  return static_cast<int>(it - tabOrder_.begin());
}

void Form::MoveInTabOrder(Control& ctl, int intIndex) {
  std::erase(tabOrder_, &ctl);
  auto index = std::min<std::size_t>(static_cast<std::size_t>(intIndex), tabOrder_.size());
  tabOrder_.insert(tabOrder_.begin() + static_cast<std::ptrdiff_t>(index), &ctl);
  Changed(&ctl, Property::TabIndex);
}

void Form::Focus(Control* ctl) {
  Control* previous = activeControl_;
  activeControl_ = ctl;
  if (previous != nullptr && previous != ctl) {
    Changed(previous, Property::Focus);
    if (previous->OnLostFocus) previous->OnLostFocus();
  }
  if (ctl != nullptr) {
    Changed(ctl, Property::Focus);
    if (ctl != previous && ctl->OnGotFocus) ctl->OnGotFocus();
  }
}

}  // namespace forms
