#pragma once
// What the spreadsheet engine refuses, as Excel refuses it.

#include "platform/vb/Error.h"

namespace excel {

class Error : public vb::Error {
 public:
  explicit Error(const std::string& strDescription)
      : vb::Error(vb::kErrMethodFailed, strDescription) {}
  Error(std::int32_t lngNumber, const std::string& strDescription)
      : vb::Error(lngNumber, strDescription) {}
};

}  // namespace excel
