#pragma once
// The records of an MPX file: one a line, its fields apart by the file's delimiter (the byte
// after "MPX" in the first line), a field in double quotes where it holds the delimiter, a
// quote or a line end, a quote within as two quotes. The first field is the record's number.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace msproject::mpx {

struct Record {
  std::int64_t lngLine = 0;  // where the record begins, counted from 1
  std::vector<std::string> fields;

  // The field at the index, "" where the record is shorter.
  const std::string& Field(std::size_t index) const;
  std::string_view Number() const { return fields.empty() ? std::string_view() : fields[0]; }
};

class Records {
 public:
  Records(std::string_view text, char chDelimiter) : text_(text), delimiter_(chDelimiter) {}
  // The next record into `record`; false at the end of the text. A quoted field that does not
  // end before the text ends is taken as it stands.
  bool Next(Record& record);

 private:
  std::string_view text_;
  char delimiter_;
  std::size_t at_ = 0;
  std::int64_t lngLine_ = 1;
};

}  // namespace msproject::mpx
