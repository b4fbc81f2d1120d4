#pragma once
// A frame: a container for other controls (see Control::Container) with a caption.

#include <string>

#include "platform/forms/Control.h"

namespace forms {

class Frame : public Control {
 public:
  Frame(Form& form, std::string strName) : Control(form, std::move(strName), Focusable::No) {}

  const std::string& Caption() const { return strCaption_; }
  void Caption(const std::string& strValue);

  // 1 the etched border of a group (the default), 0 none: a plain container.
  int BorderStyle() const { return intBorderStyle_; }
  void BorderStyle(int intValue);

 private:
  std::string strCaption_;
  int intBorderStyle_ = 1;
};

}  // namespace forms
