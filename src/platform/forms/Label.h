#pragma once
// A label: a caption on the form, also used as a colour swatch (its background colour) and as
// a link (click and mouse-move events, underlined font).

#include <string>

#include "platform/forms/Control.h"

namespace forms {

class Label : public Control {
 public:
  Label(Form& form, std::string strName) : Control(form, std::move(strName), Focusable::No) {}

  const std::string& Caption() const { return strCaption_; }
  void Caption(const std::string& strValue);

 private:
  std::string strCaption_;
};

}  // namespace forms
