#pragma once
// What a text box and a combo box share: the text and the selection in it. A change of the text
// raises the change event. The selection counts characters, not bytes; a start beyond the end
// is taken as the end, and a length that reaches beyond the end is cut there.

#include <functional>
#include <string>

#include "platform/forms/Control.h"

namespace forms {

class TextControl : public Control {
 public:
  const std::string& Text() const { return strText_; }

  int SelStart() const { return intSelStart_; }
  void SelStart(int intValue);
  int SelLength() const { return intSelLength_; }
  void SelLength(int intValue);
  std::string SelText() const;

  std::function<void()> OnChange;

 protected:
  TextControl(Form& form, std::string strName)
      : Control(form, std::move(strName), Focusable::Yes) {}

  // Puts in a new text; the caret stays where it was as far as the new text allows.
  void ReplaceText(const std::string& strValue);

 private:
  std::string strText_;
  int intSelStart_ = 0;
  int intSelLength_ = 0;
};

}  // namespace forms
