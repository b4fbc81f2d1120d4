#pragma once
// The error that the forms and their controls raise: an invalid property value, a focus that a
// control cannot take, a property that a kind of control does not have.

#include <cstdint>
#include <string>

#include "platform/vb/Error.h"

namespace forms {

class Error : public vb::Error {
 public:
  using vb::Error::Error;
};

// The runtime's numbers for the errors of forms and controls.
inline constexpr std::int32_t kErrInvalidPropertyValue = 380;
inline constexpr std::int32_t kErrInvalidArrayIndex = 381;
inline constexpr std::int32_t kErrPropertyNotSupported = 438;
inline constexpr std::int32_t kErrCannotFocus = 5;

}  // namespace forms
