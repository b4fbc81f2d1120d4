#pragma once
// A progress bar: a value between Min and Max (0 and 100 unless changed). A value outside
// throws forms::Error and leaves the bar as it was.

#include "platform/forms/Control.h"

namespace forms {

class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, std::string strName) : Control(form, std::move(strName), Focusable::No) {}

  float Value() const { return sngValue_; }
  void Value(float sngValue);
  float Min() const { return sngMin_; }
  void Min(float sngValue);
  float Max() const { return sngMax_; }
  void Max(float sngValue);

 private:
  float sngValue_ = 0.0F;
  float sngMin_ = 0.0F;
  float sngMax_ = 100.0F;
};

}  // namespace forms
