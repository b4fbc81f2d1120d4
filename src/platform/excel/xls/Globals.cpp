#include "platform/excel/xls/Globals.h"

#include "platform/excel/xls/RecordWriter.h"
#include "platform/excel/xls/UnicodeText.h"

namespace excel::xls {

namespace {

constexpr std::uint16_t kInterfaceHdr = 0x00E1;
constexpr std::uint16_t kMms = 0x00C1;
constexpr std::uint16_t kInterfaceEnd = 0x00E2;
constexpr std::uint16_t kWriteAccess = 0x005C;
constexpr std::uint16_t kCodePage = 0x0042;
constexpr std::uint16_t kDsf = 0x0161;
constexpr std::uint16_t kTabId = 0x013D;
constexpr std::uint16_t kWindowProtect = 0x0019;
constexpr std::uint16_t kProtect = 0x0012;
constexpr std::uint16_t kPassword = 0x0013;
constexpr std::uint16_t kProt4Rev = 0x01AF;
constexpr std::uint16_t kProt4RevPass = 0x01BC;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kBackup = 0x0040;
constexpr std::uint16_t kHideObj = 0x008D;
constexpr std::uint16_t kDate1904 = 0x0022;
constexpr std::uint16_t kPrecision = 0x000E;
constexpr std::uint16_t kRefreshAll = 0x01B7;
constexpr std::uint16_t kBookBool = 0x00DA;
constexpr std::uint16_t kUsesElfs = 0x0160;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kCountry = 0x008C;
constexpr std::uint16_t kMsoDrawingGroup = 0x00EB;

constexpr std::uint32_t kUtf16CodePage = 1200;

}  // namespace

Globals::Globals(const file::WorkbookView& workbook, const CellStyles& styles,
                 const SharedStrings& strings, const ShapeIds& ids, bool drawings) {
  RecordWriter out([this](std::string_view bytes) { data_.append(bytes); });
  const auto& sheets = workbook.Sheets();

  out.WriteBof(kWorkbookGlobals);
  out.Write(kInterfaceHdr, Word(kUtf16CodePage));
  out.Write(kMms, Word(0));
  out.Write(kInterfaceEnd, std::string_view());
  Bytes user;
  AppendText16(user, "Quorvan");
  user.Data().resize(112, ' ');
  out.Write(kWriteAccess, user);
  out.Write(kCodePage, Word(kUtf16CodePage));
  out.Write(kDsf, Word(0));
  Bytes tabs;
  for (std::size_t i = 0; i < sheets.size(); ++i) tabs.U16(static_cast<std::uint32_t>(i + 1));
  out.Write(kTabId, tabs);
  out.Write(kWindowProtect, Word(0));
  out.Write(kProtect, Word(0));
  out.Write(kPassword, Word(0));
  out.Write(kProt4Rev, Word(0));
  out.Write(kProt4RevPass, Word(0));

  std::uint32_t active = 0;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (sheets[i].Selected()) active = static_cast<std::uint32_t>(i);
  }
  Bytes window;
  window.U16(0x0168).U16(0x001E).U16(0x3A5C).U16(0x23BE).U16(0x0038).U16(active).U16(0).U16(1).U16(
      0x0258);
  out.Write(kWindow1, window);
  out.Write(kBackup, Word(0));
  out.Write(kHideObj, Word(0));
  out.Write(kDate1904, Word(0));
  out.Write(kPrecision, Word(1));
  out.Write(kRefreshAll, Word(0));
  out.Write(kBookBool, Word(0));

  styles.Write(out);
  out.Write(kUsesElfs, Word(0));

  for (const file::SheetView& sheet : sheets) {
    Bytes entry;
    entry.U32(0).U8(0).U8(0);  // position (patched in), visible, a worksheet
    AppendText8(entry, sheet.Name());
    out.Flush();
    positionOffsets_.push_back(data_.size() + kRecordHeader);
    out.Write(kBoundSheet, entry);
  }
  Bytes country;
  country.U16(49).U16(49);
  out.Write(kCountry, country);
  if (drawings) out.Write(kMsoDrawingGroup, ids.DrawingGroup());
  out.Flush();
  strings.Write(out);
  out.WriteEof();
  out.Flush();
}

void Globals::SheetPositions(const std::vector<std::uint64_t>& positions) {
  for (std::size_t i = 0; i < positions.size() && i < positionOffsets_.size(); ++i) {
    for (int b = 0; b < 4; ++b) {
      data_[positionOffsets_[i] + b] = static_cast<char>((positions[i] >> (8 * b)) & 0xFF);
    }
  }
}

}  // namespace excel::xls
