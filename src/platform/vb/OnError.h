#pragma once
// "On Error Resume Next": runs the steps of one operation in turn; a step whose platform call
// fails is skipped and the next one runs. The operation then knows whether any step failed,
// which is what the drawing and formatting routines return to their callers.
//
//     vb::ResumeNext steps;
//     steps([&] { shape.Fill().Visible(true); });
//     steps([&] { shape.Line().Weight(0.75); });
//     return steps.Failed();
//
// Only errors of the platform (vb::Error and what derives from it) are trapped; anything else,
// running out of memory included, is a fault of the program and passes on.

#include <optional>
#include <string>
#include <utility>

#include "platform/vb/Error.h"

namespace vb {

class ResumeNext {
 public:
  // Runs one step. Returns true when it failed.
  template <class Step>
  bool operator()(Step&& step) {
    try {
      std::forward<Step>(step)();
      return false;
    } catch (const Error& e) {
      blnFailed_ = true;
      lngLastNumber_ = e.Number();
      strLastDescription_ = e.Description();
      return true;
    }
  }

  bool Failed() const noexcept { return blnFailed_; }
  std::int32_t LastNumber() const noexcept { return lngLastNumber_; }
  // The description of the last failure, for the routines that show it to the user.
  const std::string& LastDescription() const noexcept { return strLastDescription_; }

 private:
  bool blnFailed_ = false;
  std::int32_t lngLastNumber_ = 0;
  std::string strLastDescription_;
};

// Runs one step on its own. Returns true when it failed.
template <class Step>
bool TrySkip(Step&& step) {
  return ResumeNext{}(std::forward<Step>(step));
}

// Reads a value through a platform call; an empty optional when the call failed.
template <class Read>
auto TryRead(Read&& read) -> std::optional<decltype(read())> {
  try {
    return std::forward<Read>(read)();
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace vb
