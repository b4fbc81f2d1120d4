#pragma once
// A check box: a caption and a state, 0 clear (vbUnchecked), 1 ticked (vbChecked) or
// 2 greyed (vbGrayed). Setting another state throws forms::Error. A change of the state raises
// the click event, as a user's click does; a user's click clears a ticked or greyed box and
// ticks a clear one.

#include <string>

#include "platform/forms/Control.h"

namespace forms {

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string strName) : Control(form, std::move(strName), Focusable::Yes) {}

  const std::string& Caption() const { return strCaption_; }
  void Caption(const std::string& strValue);

  int Value() const { return intValue_; }
  void Value(int intValue);

  void Click() override;

 private:
  std::string strCaption_;
  int intValue_ = vbUnchecked;
};

}  // namespace forms
