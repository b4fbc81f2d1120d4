#pragma once
// An up-down control (spinner): it only reports clicks on its up and its down arrow; the number
// it steps lives in the text box beside it.

#include <functional>

#include "platform/forms/Control.h"

namespace forms {

class UpDown : public Control {
 public:
  UpDown(Form& form, std::string strName) : Control(form, std::move(strName), Focusable::Yes) {}

  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;

  // User actions: a click on an arrow reaches the control only when it is reachable.
  void UpClick();
  void DownClick();
};

}  // namespace forms
