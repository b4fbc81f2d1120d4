#include "platform/msproject/mpx/MpxRecords.h"

namespace msproject::mpx {

const std::string& Record::Field(std::size_t index) const {
  static const std::string strNone;
  return index < fields.size() ? fields[index] : strNone;
}

bool Records::Next(Record& record) {
  record.fields.clear();
  // Blank lines between records are skipped.
  while (at_ < text_.size() && (text_[at_] == '\r' || text_[at_] == '\n')) {
    if (text_[at_] == '\n') ++lngLine_;
    ++at_;
  }
  if (at_ >= text_.size()) return false;
  record.lngLine = lngLine_;
  std::string field;
  bool blnQuoted = false;
  bool blnFieldStart = true;
  while (at_ < text_.size()) {
    const char c = text_[at_];
    if (blnQuoted) {
      ++at_;
      if (c == '"') {
        if (at_ < text_.size() && text_[at_] == '"') {
          field += '"';
          ++at_;
        } else {
          blnQuoted = false;
        }
      } else {
        if (c == '\n') ++lngLine_;
        field += c;
      }
      continue;
    }
    if (c == '\r' || c == '\n') break;
    ++at_;
    if (c == delimiter_) {
      record.fields.push_back(std::move(field));
      field.clear();
      blnFieldStart = true;
      continue;
    }
    if (c == '"' && blnFieldStart) {
      blnQuoted = true;
      blnFieldStart = false;
      continue;
    }
    blnFieldStart = false;
    field += c;
  }
  record.fields.push_back(std::move(field));
  return true;
}

}  // namespace msproject::mpx
