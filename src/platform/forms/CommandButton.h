#pragma once
// A command button: a caption and the click event. One button of a form may be its default
// button (Enter presses it) and one its cancel button (Escape presses it); making a button the
// default or cancel button takes that part from the form's other buttons.

#include <string>

#include "platform/forms/Control.h"

namespace forms {

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string strName)
      : Control(form, std::move(strName), Focusable::Yes) {}

  const std::string& Caption() const { return strCaption_; }
  void Caption(const std::string& strValue);

  bool Default() const { return blnDefault_; }
  void Default(bool blnValue);
  bool Cancel() const { return blnCancel_; }
  void Cancel(bool blnValue);

 private:
  std::string strCaption_;
  bool blnDefault_ = false;
  bool blnCancel_ = false;
};

}  // namespace forms
