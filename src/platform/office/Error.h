#pragma once
// The error that the command bars raise: a bar or control that does not exist or was deleted,
// a name already taken, an argument out of range.

#include <cstdint>
#include <string>

#include "platform/vb/Error.h"

namespace office {

class Error : public vb::Error {
 public:
  using vb::Error::Error;
};

// The automation error that Office returns for a method that failed (E_FAIL).
inline constexpr std::int32_t kErrMethodFailed = static_cast<std::int32_t>(0x80004005U);
// "Invalid procedure call or argument": a bar asked for by a name that no bar has.
inline constexpr std::int32_t kErrInvalidArgument = vb::kErrInvalidProcedureCall;

}  // namespace office
