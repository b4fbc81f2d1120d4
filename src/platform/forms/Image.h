#pragma once
// An image: a picture, named by its resource name or file path, that the view draws.

#include <string>

#include "platform/forms/Control.h"

namespace forms {

class Image : public Control {
 public:
  Image(Form& form, std::string strName) : Control(form, std::move(strName), Focusable::No) {}

  const std::string& Picture() const { return strPicture_; }
  void Picture(const std::string& strValue);
  bool Stretch() const { return blnStretch_; }
  void Stretch(bool blnValue);

 private:
  std::string strPicture_;
  bool blnStretch_ = false;
};

}  // namespace forms
