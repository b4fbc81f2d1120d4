#pragma once
// Microsoft Project XML (MSPDI): the plan as MS Project saves it in "XML-Format".
//
// A plan may be saved in UTF-8, UTF-16, ISO-8859-1 or windows-1252 (TextEncoding.h); another
// encoding, and bytes that are no characters in the plan's encoding, are refused with their
// line. The text is read once and parsed in place; the line of a failure is counted in the
// text as it was read. No document type definitions are loaded and no entities expanded but
// the five that XML predefines, so a plan cannot make the reader read other files or blow up
// in memory.

#include "platform/msproject/PlanFormat.h"

namespace msproject {

class MspdiFormat final : public PlanFormat {
 public:
  // Every file the other formats do not take is tried as XML.
  bool Recognises(std::string_view head) const override;
  void Read(std::string bytes, PlanBuilder& builder) const override;
};

}  // namespace msproject
