#pragma once
// Text as the content of an MSPDI element, for both ways of writing a plan (MspdiWriter.h).

#include <string>
#include <string_view>

#include "platform/msproject/TextEncoding.h"

namespace msproject::mspdi {

// The UTF-8 text as element content in a file of that encoding (UTF-8 when none is given): "&",
// "<" and ">" escaped; a carriage return as a reference, so that it is not read as a line end;
// a character the encoding cannot hold as a character reference; the control characters XML
// cannot hold, not even as references, left out.
std::string XmlText(std::string_view text, const PlanEncoding& encoding = {});

}  // namespace msproject::mspdi
