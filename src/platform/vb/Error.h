#pragma once
// The run-time error of the Visual Basic runtime: a number and a description, as the `Err`
// object carries them. Every platform stand-in throws a type derived from it, so that the
// system's code traps any failing platform call the way its own rules say (see OnError.h).

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vb {

class Error : public std::runtime_error {
 public:
  Error(std::int32_t lngNumber, const std::string& strDescription)
      : std::runtime_error(strDescription), lngNumber_(lngNumber) {}

  std::int32_t Number() const noexcept { return lngNumber_; }
  std::string Description() const { return what(); }

 private:
  std::int32_t lngNumber_;
};

// Numbers of the runtime's own errors, for stand-ins that have no better one.
inline constexpr std::int32_t kErrInvalidProcedureCall = 5;
inline constexpr std::int32_t kErrTypeMismatch = 13;
inline constexpr std::int32_t kErrOverflow = 6;
inline constexpr std::int32_t kErrObjectRequired = 424;
inline constexpr std::int32_t kErrMethodFailed = 1004;

}  // namespace vb
