#include "platform/excel/xls/XlsWriter.h"

#include <string>
#include <variant>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/A1Reference.h"
#include "platform/excel/Error.h"
#include "platform/excel/xls/CellStyles.h"
#include "platform/excel/xls/CompoundFile.h"
#include "platform/excel/xls/Globals.h"
#include "platform/excel/xls/OfficeArt.h"
#include "platform/excel/xls/SharedStrings.h"
#include "platform/excel/xls/SheetStream.h"
#include "platform/excel/xls/SummaryStreams.h"

namespace excel::xls {

namespace {

constexpr std::int32_t kMaxRows = 65536;
constexpr std::int32_t kMaxColumns = 256;

}  // namespace

void CheckXlsLimits(const file::WorkbookView& workbook) {
  for (const file::SheetView& sheet : workbook.Sheets()) {
    const SheetData& cells = sheet.Cells();
    const std::string where = catalog::Format(_("Das Blatt „{}“ "), sheet.Name());
    CellRect used;
    if (cells.UsedRect(used)) {
      if (used.lngBottom > kMaxRows) {
        throw Error(catalog::Format(
            _("{}reicht bis Zeile {}; im Format .xls hat ein Blatt höchstens 65.536 Zeilen."),
            where, std::to_string(used.lngBottom)));
      }
      if (used.lngRight > kMaxColumns) {
        throw Error(catalog::Format(_("{}reicht bis Spalte {}; im Format .xls hat ein Blatt "
                                      "höchstens 256 Spalten (bis IV)."),
                                    where, ColumnLetters(used.lngRight)));
      }
    }
    if (!cells.ColumnWidths().empty() && cells.ColumnWidths().rbegin()->first > kMaxColumns) {
      throw Error(catalog::Format(_("{}hat eine Spaltenbreite in Spalte {}; im Format .xls hat ein "
                                    "Blatt höchstens 256 Spalten (bis IV)."),
                                  where, ColumnLetters(cells.ColumnWidths().rbegin()->first)));
    }
  }
}

void WriteXls(const file::WorkbookView& workbook, const std::filesystem::path& file,
              const SaveStageHook& hook) {
  CheckXlsLimits(workbook);
  BeginSaveStage(hook, "strings and styles");
  const auto& sheets = workbook.Sheets();

  SharedStrings strings;
  std::vector<std::size_t> shapeCounts;
  std::vector<std::size_t> drawings;  // of each sheet, 0 for none
  for (const file::SheetView& sheet : sheets) {
    for (const auto& [number, row] : sheet.Cells().Rows()) {
      for (const auto& [column, value] : row.values) {
        if (const auto* text = std::get_if<std::string>(&value)) strings.Add(*text);
      }
    }
    const auto count = static_cast<std::size_t>(sheet.ShapeList().Count());
    if (count > 0) shapeCounts.push_back(count);
    drawings.push_back(count > 0 ? shapeCounts.size() : 0);
  }
  const CellStyles styles(workbook);
  const ShapeIds ids(shapeCounts);
  Globals globals(workbook, styles, strings, ids, !shapeCounts.empty());

  // Where each sheet begins: after the globals and the sheets before it, which are measured
  // (written to nowhere) when there are several.
  std::vector<std::uint64_t> positions;
  std::uint64_t position = globals.Data().size();
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    positions.push_back(position);
    if (i + 1 == sheets.size()) break;
    RecordWriter measure([](std::string_view) {}, position);
    WriteSheet(measure, sheets[i], styles, strings, ids, drawings[i]);
    position = measure.Position();
  }
  globals.SheetPositions(positions);

  BeginSaveStage(hook, "records");
  CompoundFile compound(file);
  compound.OpenStream("Workbook");
  compound.Write(globals.Data());
  RecordWriter out([&compound](std::string_view bytes) { compound.Write(bytes); },
                   globals.Data().size());
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    WriteSheet(out, sheets[i], styles, strings, ids, drawings[i]);
  }
  out.Flush();
  BeginSaveStage(hook, "compound file");
  compound.OpenStream(kSummaryInformation);
  compound.Write(SummaryInformation());
  compound.OpenStream(kDocumentSummaryInformation);
  compound.Write(DocumentSummaryInformation());
  compound.Close();
}

}  // namespace excel::xls
