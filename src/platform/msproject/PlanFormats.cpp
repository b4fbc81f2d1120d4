// The formats the host reads. A further format: its class, and its line here before MSPDI,
// which takes every file that no other format recognises.

#include "platform/msproject/PlanFormat.h"
#include "platform/msproject/mpp/DatabaseFormat.h"
#include "platform/msproject/mpp/MppFormat.h"
#include "platform/msproject/mpx/MpxFormat.h"
#include "platform/msproject/mspdi/MspdiFormat.h"

namespace msproject {

const std::vector<const PlanFormat*>& PlanFormats() {
  static const MppFormat mpp;
  static const DatabaseFormat database;
  static const MpxFormat mpx;
  static const MspdiFormat mspdi;
  static const std::vector<const PlanFormat*> formats{&mpp, &database, &mpx, &mspdi};
  return formats;
}

const PlanFormat& FormatOf(std::string_view head) {
  const auto& formats = PlanFormats();
  for (const PlanFormat* format : formats) {
    if (format->Recognises(head)) return *format;
  }
  return *formats.back();
}

}  // namespace msproject
