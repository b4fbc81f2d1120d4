#pragma once
// What the shell and the common dialogs refuse: a record that points at memory that was not
// lent to the call, or a backend that answers what the dialog cannot return.

#include "platform/vb/Error.h"

namespace shell {

class Error : public vb::Error {
 public:
  explicit Error(const std::string& strDescription)
      : vb::Error(vb::kErrInvalidProcedureCall, strDescription) {}
};

}  // namespace shell
