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

  // 0 no border, 1 a thin sunken border (a colour swatch).
  int BorderStyle() const { return intBorderStyle_; }
  void BorderStyle(int intValue);

 private:
  std::string strCaption_;
  int intBorderStyle_ = 0;
};

}  // namespace forms
