#pragma once
// Microsoft Project's own files: the formats MPP9 (Project 2000–2003, and later versions
// saving "Project 2000–2003"), MPP12 (Project 2007) and MPP14 (Project 2010 to 2019 and 365),
// each a compound file of tables (mpp/Blocks.h). Older formats and plans protected by a
// password for reading are refused with what to do.

#include "platform/msproject/PlanFormat.h"

namespace msproject {

class MppFormat final : public PlanFormat {
 public:
  // Every compound file: one that is no plan is said to be none.
  bool Recognises(std::string_view head) const override;
  void Read(std::string bytes, PlanBuilder& builder) const override;
};

}  // namespace msproject
