#include "platform/excel/FormatTable.h"

#include "platform/excel/Error.h"

namespace excel {

FormatTable::FormatTable() {
  Intern(CellFormat{});
  InternNumberFormat("General");
}

std::uint32_t FormatTable::Intern(const CellFormat& format) {
  if (formats_.size() >= kMaxFormats && index_.find(format) == index_.end()) {
    throw Error("Zu viele verschiedene Zellformate.");
  }
  auto [it, added] = index_.try_emplace(format, static_cast<std::uint32_t>(formats_.size()));
  if (added) formats_.push_back(format);
  return it->second;
}

std::uint32_t FormatTable::InternNumberFormat(const std::string& strFormat) {
  auto [it, added] =
      numberFormatIndex_.try_emplace(strFormat, static_cast<std::uint32_t>(numberFormats_.size()));
  if (added) numberFormats_.push_back(strFormat);
  return it->second;
}

}  // namespace excel
