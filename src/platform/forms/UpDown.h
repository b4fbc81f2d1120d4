#pragma once
// An up-down control (spinner): it only reports clicks on its up and its down arrow; the number
// it steps lives in the text box beside it.

#include <functional>

#include "platform/forms/Control.h"

namespace forms {

class UpDown : public Control {
 public:
  UpDown(Form& form, std::string strName) : Control(form, std::move(strName), Focusable::Yes) {}

  // The text box whose number the spinner steps: the view draws the spinner at its side and
  // lets the arrow keys in it click the spinner. nullptr: none.
  Control* BuddyControl() const { return buddy_; }
  void BuddyControl(Control* ctl);

  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;

  // User actions: a click on an arrow reaches the control only when it is reachable.
  void UpClick();
  void DownClick();

 private:
  Control* buddy_ = nullptr;
};

}  // namespace forms
