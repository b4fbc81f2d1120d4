#pragma once
// Microsoft Project's database (.mpd, an Access database): not read, but recognised, so that
// the user learns what to do with it instead of being told it is no XML.

#include "platform/msproject/PlanFormat.h"

namespace msproject {

class DatabaseFormat final : public PlanFormat {
 public:
  bool Recognises(std::string_view head) const override;
  void Read(std::string bytes, PlanBuilder& builder) const override;
};

}  // namespace msproject
