#include "platform/excel/xls/SummaryStreams.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/excel/xls/Bytes.h"

namespace excel::xls {

namespace {

using FormatId = std::array<std::uint8_t, 16>;

// The property sets' format identifiers, as stored (the GUIDs' first three fields little-endian).
constexpr FormatId kSummaryFormat = {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                     0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};
constexpr FormatId kDocumentSummaryFormat = {0x02, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10,
                                             0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

constexpr std::uint32_t kCodePageId = 1;
constexpr std::uint32_t kApplicationNameId = 18;  // in the summary information
constexpr std::uint32_t kTypeShort = 2;
constexpr std::uint32_t kTypeText = 30;
constexpr std::uint32_t kWindowsLatin1 = 1252;

// One property: its identifier and its typed value, padded to four bytes.
using Property = std::pair<std::uint32_t, Bytes>;

Bytes ShortValue(std::uint32_t value) {
  Bytes bytes;
  bytes.U32(kTypeShort).U16(value).U16(0);
  return bytes;
}

Bytes TextValue(std::string_view text) {
  Bytes bytes;
  bytes.U32(kTypeText).U32(static_cast<std::uint32_t>(text.size() + 1)).Append(text).U8(0);
  while (bytes.Size() % 4 != 0) bytes.U8(0);
  return bytes;
}

std::string PropertySet(const FormatId& format, const std::vector<Property>& properties) {
  Bytes section;
  const auto count = static_cast<std::uint32_t>(properties.size());
  std::uint32_t offset = 8 + 8 * count;
  std::uint32_t size = offset;
  for (const auto& [id, value] : properties) size += static_cast<std::uint32_t>(value.Size());
  section.U32(size).U32(count);
  for (const auto& [id, value] : properties) {
    section.U32(id).U32(offset);
    offset += static_cast<std::uint32_t>(value.Size());
  }
  for (const auto& [id, value] : properties) section.Append(value.Data());

  Bytes out;
  out.U16(0xFFFE).U16(0).U32(0x00020006);  // byte order, version, Windows
  out.Zeros(16);                           // no class
  out.U32(1);
  for (std::uint8_t b : format) out.U8(b);
  out.U32(48);  // the section follows the header
  out.Append(section.Data());
  return out.Data();
}

}  // namespace

std::string SummaryInformation() {
  return PropertySet(kSummaryFormat, {{kCodePageId, ShortValue(kWindowsLatin1)},
                                      {kApplicationNameId, TextValue("Quorvan")}});
}

std::string DocumentSummaryInformation() {
  return PropertySet(kDocumentSummaryFormat, {{kCodePageId, ShortValue(kWindowsLatin1)}});
}

}  // namespace excel::xls
