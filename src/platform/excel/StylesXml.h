#pragma once
// xl/styles.xml: the workbook's interned formats as fonts, fills, borders and cell formats
// (cellXfs), Arial 10 as the default font, and the palette where it differs from Excel's.

#include <cstdint>
#include <string>
#include <vector>

namespace excel {

class Workbook;

// The formats the cells use, numbered from 0 in the order of the FormatTable: styleIndex[i] is
// the style index of format i, or kUnusedFormat for a format no cell has.
inline constexpr std::uint32_t kUnusedFormat = UINT32_MAX;
std::vector<std::uint32_t> UsedFormats(Workbook& workbook);

std::string StylesXml(const Workbook& workbook, const std::vector<std::uint32_t>& styleIndex);

}  // namespace excel
