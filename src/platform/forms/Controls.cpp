// The properties of the single kinds of control.

#include <algorithm>
#include <functional>

#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Error.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/ProgressBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/UpDown.h"

namespace forms {

void Label::Caption(const std::string& strValue) {
  strCaption_ = strValue;
  Changed(Property::Caption);
}

void CommandButton::Caption(const std::string& strValue) {
  strCaption_ = strValue;
  Changed(Property::Caption);
}

namespace {

// A form has one default and one cancel button at most: the button that takes the part takes it
// from the others.
void TakePart(CommandButton& cmd, bool CommandButton::*part, bool blnValue,
              const std::function<void(CommandButton&, bool)>& set) {
  if (blnValue) {
    for (Control* ctl : cmd.Parent().Controls()) {
      auto* other = dynamic_cast<CommandButton*>(ctl);
      if (other != nullptr && other != &cmd && other->*part) set(*other, false);
    }
  }
  set(cmd, blnValue);
}

}  // namespace

void CommandButton::Default(bool blnValue) {
  TakePart(*this, &CommandButton::blnDefault_, blnValue, [](CommandButton& cmd, bool bln) {
    cmd.blnDefault_ = bln;
    cmd.Changed(Property::Default);
  });
}

void CommandButton::Cancel(bool blnValue) {
  TakePart(*this, &CommandButton::blnCancel_, blnValue, [](CommandButton& cmd, bool bln) {
    cmd.blnCancel_ = bln;
    cmd.Changed(Property::Default);
  });
}

void Frame::Caption(const std::string& strValue) {
  strCaption_ = strValue;
  Changed(Property::Caption);
}

void Frame::BorderStyle(int intValue) {
  if (intValue != 0 && intValue != 1) ThrowInvalidValue("BorderStyle");
  intBorderStyle_ = intValue;
  Changed(Property::BorderStyle);
}

void Label::BorderStyle(int intValue) {
  if (intValue != 0 && intValue != 1) ThrowInvalidValue("BorderStyle");
  intBorderStyle_ = intValue;
  Changed(Property::BorderStyle);
}

void Image::Picture(const std::string& strValue) {
  strPicture_ = strValue;
  Changed(Property::Picture);
}

void Image::Stretch(bool blnValue) {
  blnStretch_ = blnValue;
  Changed(Property::Picture);
}

void CheckBox::Caption(const std::string& strValue) {
  strCaption_ = strValue;
  Changed(Property::Caption);
}

void CheckBox::Value(int intValue) {
  if (intValue < vbUnchecked || intValue > vbGrayed) ThrowInvalidValue("Value");
  if (intValue == intValue_) return;
  intValue_ = intValue;
  Changed(Property::Value);
  RaiseClick();
}

void CheckBox::Click() {
  if (Reachable()) Value(intValue_ == vbUnchecked ? vbChecked : vbUnchecked);
}

void TextBox::Text(const std::string& strValue) {
  ReplaceText(strValue);
}

void TextBox::Locked(bool blnValue) {
  blnLocked_ = blnValue;
  Changed(Property::Enabled);
}

void ComboBox::Style(int intValue) {
  if (intValue != vbComboDropdown && intValue != vbComboDropdownList) ThrowInvalidValue("Style");
  intStyle_ = intValue;
  Changed(Property::List);
}

void ComboBox::Text(const std::string& strValue) {
  auto it = std::find(list_.begin(), list_.end(), strValue);
  int intIndex = it == list_.end() ? -1 : static_cast<int>(it - list_.begin());
  if (intStyle_ == vbComboDropdownList && intIndex < 0 && !strValue.empty()) {
    throw Error(kErrInvalidPropertyValue, "Text-Eigenschaft ist schreibgeschützt: " + Name());
  }
  SetText(strValue, intIndex);
}

void ComboBox::SetText(const std::string& strValue, int intListIndex) {
  intListIndex_ = intListIndex;
  ReplaceText(strValue);
}

void ComboBox::AddItem(const std::string& strItem, int intIndex) {
  if (intIndex < -1 || intIndex > ListCount()) {
    throw Error(kErrInvalidArrayIndex, "Ungültiger Index für Eigenschaftenfeld: " + Name());
  }
  if (intIndex == -1) {
    list_.push_back(strItem);
    notes_.emplace_back();
  } else {
    list_.insert(list_.begin() + intIndex, strItem);
    notes_.insert(notes_.begin() + intIndex, std::string());
    if (intListIndex_ >= intIndex) ++intListIndex_;
  }
  Changed(Property::List);
}

void ComboBox::RemoveItem(int intIndex) {
  if (intIndex < 0 || intIndex >= ListCount()) {
    throw Error(kErrInvalidArrayIndex, "Ungültiger Index für Eigenschaftenfeld: " + Name());
  }
  list_.erase(list_.begin() + intIndex);
  notes_.erase(notes_.begin() + intIndex);
  if (intListIndex_ == intIndex) {
    intListIndex_ = -1;
  } else if (intListIndex_ > intIndex) {
    --intListIndex_;
  }
  Changed(Property::List);
}

void ComboBox::Clear() {
  list_.clear();
  notes_.clear();
  intListIndex_ = -1;
  Changed(Property::List);
  if (intStyle_ == vbComboDropdownList) SetText("", -1);
}

const std::string& ComboBox::List(int intIndex) const {
  if (intIndex < 0 || intIndex >= ListCount()) {
    throw Error(kErrInvalidArrayIndex, "Ungültiger Index für Eigenschaftenfeld: " + Name());
  }
  return list_[static_cast<std::size_t>(intIndex)];
}

const std::string& ComboBox::ItemNote(int intIndex) const {
  if (intIndex < 0 || intIndex >= ListCount()) {
    throw Error(kErrInvalidArrayIndex, "Ungültiger Index für Eigenschaftenfeld: " + Name());
  }
  return notes_[static_cast<std::size_t>(intIndex)];
}

void ComboBox::ItemNote(int intIndex, const std::string& strNote) {
  if (intIndex < 0 || intIndex >= ListCount()) {
    throw Error(kErrInvalidArrayIndex, "Ungültiger Index für Eigenschaftenfeld: " + Name());
  }
  notes_[static_cast<std::size_t>(intIndex)] = strNote;
  Changed(Property::List);
}

void ComboBox::ListIndex(int intValue) {
  if (intValue < -1 || intValue >= ListCount()) ThrowInvalidValue("ListIndex");
  if (intValue == -1) {
    intListIndex_ = -1;
    Changed(Property::Value);
    return;
  }
  SetText(list_[static_cast<std::size_t>(intValue)], intValue);
  Changed(Property::Value);
  RaiseClick();
}

void ProgressBar::Value(float sngValue) {
  if (!(sngValue >= sngMin_ && sngValue <= sngMax_)) ThrowInvalidValue("Value");
  sngValue_ = sngValue;
  Changed(Property::Value);
}

void ProgressBar::Min(float sngValue) {
  if (!(sngValue < sngMax_)) ThrowInvalidValue("Min");
  sngMin_ = sngValue;
  sngValue_ = std::max(sngValue_, sngMin_);
  Changed(Property::Value);
}

void ProgressBar::Max(float sngValue) {
  if (!(sngValue > sngMin_)) ThrowInvalidValue("Max");
  sngMax_ = sngValue;
  sngValue_ = std::min(sngValue_, sngMax_);
  Changed(Property::Value);
}

void UpDown::BuddyControl(Control* ctl) {
  buddy_ = ctl;
  Changed(Property::Buddy);
}

void UpDown::UpClick() {
  if (Reachable() && OnUpClick) OnUpClick();
}

void UpDown::DownClick() {
  if (Reachable() && OnDownClick) OnDownClick();
}

}  // namespace forms
