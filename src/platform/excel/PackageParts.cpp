#include "platform/excel/PackageParts.h"

#include "platform/excel/A1Reference.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/XmlText.h"

namespace excel {

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

std::string AbsoluteReference(const std::string& strRange) {
  CellRect rect = ParseA1(strRange);
  bool wholeRows = rect.lngLeft == 1 && rect.lngRight == kMaxColumns;
  bool wholeColumns = rect.lngTop == 1 && rect.lngBottom == kMaxRows;
  auto side = [&](std::int32_t lngRow, std::int32_t lngColumn) {
    std::string text;
    if (!wholeRows) {
      text += '$';
      text += ColumnLetters(lngColumn);
    }
    if (!wholeColumns) {
      text += '$';
      text += std::to_string(lngRow);
    }
    return text;
  };
  return side(rect.lngTop, rect.lngLeft) + ":" + side(rect.lngBottom, rect.lngRight);
}

std::string WorkbookXml(Workbook& workbook) {
  std::string out = kXmlHead;
  out +=
      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
      "<bookViews><workbookView";
  std::string names;
  std::int32_t lngActive = 0;
  for (std::int32_t i = 1; i <= workbook.WorksheetCount(); ++i) {
    Worksheet& sheet = workbook.Worksheets(i);
    if (&sheet == &workbook.ActiveSheet()) lngActive = i - 1;
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
  if (lngActive > 0) out += " activeTab=\"" + std::to_string(lngActive) + "\"";
  out += "/></bookViews><sheets>";
  for (std::int32_t i = 1; i <= workbook.WorksheetCount(); ++i) {
    std::string n = std::to_string(i);
    out += "<sheet name=\"" + XmlText(workbook.Worksheets(i).Name()) + "\" sheetId=\"" + n +
           "\" r:id=\"rId" + n + "\"/>";
  }
  out += "</sheets>";
  if (!names.empty()) out += "<definedNames>" + names + "</definedNames>";
  out += "</workbook>";
  return out;
}

std::string WorkbookRelsXml(std::size_t lngSheets) {
  std::string out = kXmlHead;
  out += "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  for (std::size_t i = 1; i <= lngSheets; ++i) {
    std::string n = std::to_string(i);
    out += "<Relationship Id=\"rId" + n +
           "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "worksheet\" Target=\"worksheets/sheet" +
           n + ".xml\"/>";
  }
  out += "<Relationship Id=\"rId" + std::to_string(lngSheets + 1) +
         "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
         "Target=\"styles.xml\"/></Relationships>";
  return out;
}

std::string SheetRelsXml(std::size_t lngSheet) {
  return std::string(kXmlHead) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing\" "
         "Target=\"../drawings/drawing" +
         std::to_string(lngSheet) + ".xml\"/></Relationships>";
}

}  // namespace excel
