#pragma once
// A text box: its text and the selection in it. A change of the text raises the change event.
// The selection counts characters, not bytes; a start beyond the end is taken as the end, and a
// length that reaches beyond the end is cut there.

#include <string>

#include "platform/forms/Control.h"

namespace forms {

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string strName) : Control(form, std::move(strName), Focusable::Yes) {}

  const std::string& Text() const { return strText_; }
  void Text(const std::string& strValue);

  int SelStart() const { return intSelStart_; }
  void SelStart(int intValue);
  int SelLength() const { return intSelLength_; }
  void SelLength(int intValue);
  std::string SelText() const;

  bool Locked() const { return blnLocked_; }
  void Locked(bool blnValue);

  std::function<void()> OnChange;

 private:
  std::string strText_;
  int intSelStart_ = 0;
  int intSelLength_ = 0;
  bool blnLocked_ = false;
};

}  // namespace forms
