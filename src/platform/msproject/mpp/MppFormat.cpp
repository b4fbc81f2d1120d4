#include "platform/msproject/mpp/MppFormat.h"

#include "platform/msproject/PlanBuilder.h"
#include "platform/msproject/mpp/CompoundFile.h"
#include "platform/msproject/mpp/MppFile.h"
#include "platform/msproject/mpp/MppPlan.h"

namespace msproject {

bool MppFormat::Recognises(std::string_view head) const {
  return head.starts_with(mpp::kCompoundFileSignature);
}

void MppFormat::Read(std::string bytes, PlanBuilder& builder) const {
  const mpp::MppFile file(bytes, builder.FileName());
  mpp::ReadMppPlan(file, builder);
}

}  // namespace msproject
