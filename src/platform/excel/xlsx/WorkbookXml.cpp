#include "platform/excel/xlsx/WorkbookXml.h"

#include "platform/excel/A1Reference.h"
#include "platform/excel/Constants.h"

namespace excel::xlsx {

namespace {

void DefinedName(XmlWriter& xml, const char* name, std::size_t sheet, const std::string& value) {
  xml.Start("definedName").Attribute("name", name).Attribute("localSheetId", sheet);
  xml.Text(value).End();
}

}  // namespace

std::string AbsoluteReference(const std::string& range) {
  const CellRect rect = ParseA1(range);
  const bool wholeRows = rect.lngLeft == 1 && rect.lngRight == kMaxColumns;
  const bool wholeColumns = rect.lngTop == 1 && rect.lngBottom == kMaxRows;
  auto side = [&](std::int32_t row, std::int32_t column) {
    std::string text;
    if (!wholeRows) {
      text += '$';
      text += ColumnLetters(column);
    }
    if (!wholeColumns) {
      text += '$';
      text += std::to_string(row);
    }
    return text;
  };
  return side(rect.lngTop, rect.lngLeft) + ":" + side(rect.lngBottom, rect.lngRight);
}

void WriteWorkbookXml(const file::WorkbookView& workbook, const Package& package, XmlWriter& xml) {
  const auto& sheets = workbook.Sheets();
  std::size_t active = 0;
  bool names = false;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (sheets[i].Selected()) active = i;
    const PageSetup& page = sheets[i].PageSettings();
    names = names || !page.PrintArea().empty() || !page.PrintTitleColumns().empty() ||
            !page.PrintTitleRows().empty();
  }

  xml.Declaration();
  xml.Start("workbook")
      .Attribute("xmlns", "http://schemas.openxmlformats.org/spreadsheetml/2006/main")
      .Attribute("xmlns:r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
  xml.Start("bookViews").Start("workbookView");
  if (active > 0) xml.Attribute("activeTab", active);
  xml.End().End();

  xml.Start("sheets");
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    xml.Start("sheet")
        .Attribute("name", sheets[i].Name())
        .Attribute("sheetId", i + 1)
        .Attribute("r:id", package.SheetPart(i).relationshipId)
        .End();
  }
  xml.End();

  if (names) {
    xml.Start("definedNames");
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      const PageSetup& page = sheets[i].PageSettings();
      const std::string prefix = "'" + sheets[i].Name() + "'!";
      if (!page.PrintArea().empty()) {
        DefinedName(xml, "_xlnm.Print_Area", i, prefix + AbsoluteReference(page.PrintArea()));
      }
      std::string titles;
      if (!page.PrintTitleColumns().empty()) {
        titles += prefix + AbsoluteReference(page.PrintTitleColumns());
      }
      if (!page.PrintTitleRows().empty()) {
        if (!titles.empty()) titles += ",";
        titles += prefix + AbsoluteReference(page.PrintTitleRows());
      }
      if (!titles.empty()) DefinedName(xml, "_xlnm.Print_Titles", i, titles);
    }
    xml.End();
  }
  xml.End();
}

}  // namespace excel::xlsx
