// The option controls with a behaviour of their own: the three spinners of Step 4 and the
// eleven colour buttons of Steps 5 and 6.

#include <algorithm>

#include "chart/LayoutNumbers.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/OnError.h"
#include "wizard/frmQuorvan.h"

namespace {

constexpr double kLineWeightStep = 0.25;

// Steps a whole number in a text box by one within its bounds.
void StepWholeNumber(forms::TextBox& txt, double dblStep, double dblMin, double dblMax) {
  vb::TrySkip([&] {
    double dblValue = chart::ReadWholeNumber(txt.Text());
    if (dblStep > 0 ? dblValue < dblMax : dblValue > dblMin) txt.Text(vb::CStr(dblValue + dblStep));
  });
}

// Steps the line weight by a quarter point within its bounds, stopping at the bound that a step
// would pass (0,3 goes down to 0,25, not to 0,05, which the wizard refuses); a text that is not
// a number in the German locale stays as it is.
void StepLineWeight(forms::TextBox& txt, double dblStep) {
  vb::TrySkip([&] {
    double dblValue = vb::CDbl(txt.Text());
    if (dblStep > 0 ? dblValue < chart::kMaxLineWeight : dblValue > chart::kMinLineWeight) {
      const double dblStepped = dblStep > 0 ? std::min(dblValue + dblStep, chart::kMaxLineWeight)
                                            : std::max(dblValue + dblStep, chart::kMinLineWeight);
      txt.Text(vb::CStr(dblStepped));
    }
  });
}

}  // namespace

void frmQuorvan::updArrowThickness_UpClick() {
  StepLineWeight(txtArrowThickness, kLineWeightStep);
}

void frmQuorvan::updArrowThickness_DownClick() {
  StepLineWeight(txtArrowThickness, -kLineWeightStep);
}

void frmQuorvan::updColumnWidth_UpClick() {
  StepWholeNumber(txtColumnWidth, 1, chart::kMinColumnWidth, chart::kMaxColumnWidth);
}

void frmQuorvan::updColumnWidth_DownClick() {
  StepWholeNumber(txtColumnWidth, -1, chart::kMinColumnWidth, chart::kMaxColumnWidth);
}

void frmQuorvan::updRowHeight_UpClick() {
  StepWholeNumber(txtRowHeight, 1, chart::kMinRowHeight, chart::kMaxRowHeight);
}

void frmQuorvan::updRowHeight_DownClick() {
  StepWholeNumber(txtRowHeight, -1, chart::kMinRowHeight, chart::kMaxRowHeight);
}

void frmQuorvan::ChangeColor(forms::Label& lblSwatch) {
  if (blnRunning_) return;
  auto lngColor = vb::TryRead([&] { return lblSwatch.BackColor(); });
  if (!lngColor) return;
  auto lngChosen = vb::TryRead([&] { return PickColor(*lngColor); });
  if (lngChosen) vb::TrySkip([&] { lblSwatch.BackColor(*lngChosen); });
}
