#pragma once
// A text box: its text and the selection in it (TextControl), and whether the user may edit it.

#include <string>

#include "platform/forms/TextControl.h"

namespace forms {

class TextBox : public TextControl {
 public:
  TextBox(Form& form, std::string strName) : TextControl(form, std::move(strName)) {}

  using TextControl::Text;
  void Text(const std::string& strValue);

  bool Locked() const { return blnLocked_; }
  void Locked(bool blnValue);

 private:
  bool blnLocked_ = false;
};

}  // namespace forms
