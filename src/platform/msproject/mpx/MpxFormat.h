#pragma once
// MPX 4.0, the text exchange format of Microsoft Project 4.0 to 98 (and of programs that
// exchange plans with it): a header record "MPX,<program>,<version>,<code page>" whose fourth
// byte is the delimiter of the fields, then the settings of the file (currency, defaults,
// dates and times), the project, and the resource and task tables, each table with the list
// of its fields first (records 41 and 61).

#include "platform/msproject/PlanFormat.h"

namespace msproject {

class MpxFormat final : public PlanFormat {
 public:
  bool Recognises(std::string_view head) const override;
  void Read(std::string bytes, PlanBuilder& builder) const override;
};

}  // namespace msproject
