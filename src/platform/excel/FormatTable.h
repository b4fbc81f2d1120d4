#pragma once
// The workbook's interned cell formats and number formats: every distinct format is kept once
// and cells refer to it by index. Index 0 is the default format (Arial 10, no fill, no borders).

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/excel/CellFormat.h"

namespace excel {

class FormatTable {
 public:
  FormatTable();

  // Excel's limit of distinct cell formats in a workbook.
  static constexpr std::size_t kMaxFormats = 64000;

  // The index of the format, adding it when it is new; throws beyond kMaxFormats.
  std::uint32_t Intern(const CellFormat& format);
  const CellFormat& At(std::uint32_t lngIndex) const { return formats_[lngIndex]; }
  std::size_t Count() const { return formats_.size(); }

  // Number formats by their text ("General", "@", "0.00", …); index 0 is "General".
  std::uint32_t InternNumberFormat(const std::string& strFormat);
  const std::string& NumberFormatText(std::uint32_t lngIndex) const {
    return numberFormats_[lngIndex];
  }
  std::size_t NumberFormatCount() const { return numberFormats_.size(); }

 private:
  std::vector<CellFormat> formats_;
  std::unordered_map<CellFormat, std::uint32_t, CellFormatHash> index_;
  std::vector<std::string> numberFormats_;
  std::unordered_map<std::string, std::uint32_t> numberFormatIndex_;
};

}  // namespace excel
