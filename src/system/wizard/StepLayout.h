#pragma once
// Where the wizard puts its step frames and how it names its steps.

#include <cstdint>
#include <string>

namespace wizard {

inline constexpr int kStepCount = 7;

// A step frame in view, and the place of everything out of view.
inline constexpr std::int32_t kInViewLeft = 360;
inline constexpr std::int32_t kInViewTop = 1920;
inline constexpr std::int32_t kOutOfView = -20000;

// The progress display while a run is in progress.
inline constexpr std::int32_t kProgressLeft = 1920;
inline constexpr std::int32_t kProgressBarTop = 3000;
inline constexpr std::int32_t kProgressLabelTop = 2720;

// "Step1" … "Step7".
inline std::string StepTag(int intStep) {
  return "Step" + std::to_string(intStep);
}

// The step that a tag names; 0 for a text that names none.
inline int StepFromTag(const std::string& strTag) {
  for (int intStep = 1; intStep <= kStepCount; ++intStep) {
    if (strTag == StepTag(intStep)) return intStep;
  }
  return 0;
}

}  // namespace wizard
