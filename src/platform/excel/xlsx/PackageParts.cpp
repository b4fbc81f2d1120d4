#include "platform/excel/xlsx/PackageParts.h"

#include "platform/excel/A1Reference.h"
#include "platform/excel/Constants.h"
#include "platform/excel/XmlText.h"

namespace excel::xlsx {

namespace {

constexpr const char* kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

}  // namespace

std::string ContentTypesXml(const std::vector<bool>& drawings) {
  std::string out = kXmlHead;
  out +=
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/xl/workbook.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
      "<Override PartName=\"/xl/styles.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
  for (std::size_t i = 0; i < drawings.size(); ++i) {
    std::string n = std::to_string(i + 1);
    out += "<Override PartName=\"/xl/worksheets/sheet" + n +
           ".xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    if (drawings[i]) {
      out += "<Override PartName=\"/xl/drawings/drawing" + n +
             ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.drawing+xml\"/>";
    }
  }
  out += "</Types>";
  return out;
}

std::string RootRelsXml() {
  return std::string(kXmlHead) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
         "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
}

std::string AbsoluteReference(const std::string& range) {
  CellRect rect = ParseA1(range);
  bool wholeRows = rect.lngLeft == 1 && rect.lngRight == kMaxColumns;
  bool wholeColumns = rect.lngTop == 1 && rect.lngBottom == kMaxRows;
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

std::string WorkbookXml(const file::WorkbookView& workbook) {
  std::string out = kXmlHead;
  out +=
      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
      "<bookViews><workbookView";
  std::string names;
  std::int32_t active = 0;
  const auto& sheets = workbook.Sheets();
  for (std::size_t i = 1; i <= sheets.size(); ++i) {
    const file::SheetView& sheet = sheets[i - 1];
    if (sheet.Selected()) active = static_cast<std::int32_t>(i) - 1;
    const PageSetup& page = sheet.PageSettings();
    std::string prefix(1, '\'');
    prefix += XmlText(sheet.Name());
    prefix += "'!";
    std::string local = "\" localSheetId=\"";
    local += std::to_string(i - 1);
    local += "\">";
    if (!page.PrintArea().empty()) {
      names += "<definedName name=\"_xlnm.Print_Area" + local + prefix +
               AbsoluteReference(page.PrintArea()) + "</definedName>";
    }
    std::string titles;
    if (!page.PrintTitleColumns().empty()) {
      titles += prefix + AbsoluteReference(page.PrintTitleColumns());
    }
    if (!page.PrintTitleRows().empty()) {
      if (!titles.empty()) titles += ",";
      titles += prefix + AbsoluteReference(page.PrintTitleRows());
    }
    if (!titles.empty()) {
      names += "<definedName name=\"_xlnm.Print_Titles" + local + titles + "</definedName>";
    }
  }
  if (active > 0) out += " activeTab=\"" + std::to_string(active) + "\"";
  out += "/></bookViews><sheets>";
  for (std::size_t i = 1; i <= sheets.size(); ++i) {
    std::string n = std::to_string(i);
    out += "<sheet name=\"" + XmlText(sheets[i - 1].Name()) + "\" sheetId=\"" + n +
           "\" r:id=\"rId" + n + "\"/>";
  }
  out += "</sheets>";
  if (!names.empty()) out += "<definedNames>" + names + "</definedNames>";
  out += "</workbook>";
  return out;
}

std::string WorkbookRelsXml(std::size_t sheetCount) {
  std::string out = kXmlHead;
  out += "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  for (std::size_t i = 1; i <= sheetCount; ++i) {
    std::string n = std::to_string(i);
    out += "<Relationship Id=\"rId" + n +
           "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "worksheet\" Target=\"worksheets/sheet" +
           n + ".xml\"/>";
  }
  out += "<Relationship Id=\"rId" + std::to_string(sheetCount + 1) +
         "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
         "Target=\"styles.xml\"/></Relationships>";
  return out;
}

std::string SheetRelsXml(std::size_t sheet) {
  return std::string(kXmlHead) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing\" "
         "Target=\"../drawings/drawing" +
         std::to_string(sheet) + ".xml\"/></Relationships>";
}

}  // namespace excel::xlsx
