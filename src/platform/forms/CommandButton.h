#pragma once
// A command button: a caption and the click event.

#include <string>

#include "platform/forms/Control.h"

namespace forms {

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string strName)
      : Control(form, std::move(strName), Focusable::Yes) {}

  const std::string& Caption() const { return strCaption_; }
  void Caption(const std::string& strValue);

 private:
  std::string strCaption_;
};

}  // namespace forms
