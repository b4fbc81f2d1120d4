#include "export/ExportNotices.h"

#include <fmt/format.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <utility>

#include "export/GermanNumber.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/xls/XlsWriter.h"

namespace {

constexpr std::size_t kCellLimit = 32767;
constexpr std::size_t kNamed = 5;  // cells named in the notice; the rest are counted

std::string Cell(const excel::CutText& objCut) {
  return fmt::format("{} („{}…“, {} Zeichen)", objCut.strAddress, objCut.strStart,
                     GermanNumber(objCut.lngLength));
}

}  // namespace

std::string CutTextsNotice(const std::vector<excel::CutText>& colCut) {
  if (colCut.empty()) return "";
  if (colCut.size() == 1) {
    return fmt::format(
        "Hinweis: Der Text der Zelle {} („{}…“) hat {} Zeichen; eine Zelle fasst {}, der Rest "
        "fehlt im Diagramm.",
        colCut[0].strAddress, colCut[0].strStart, GermanNumber(colCut[0].lngLength),
        GermanNumber(kCellLimit));
  }
  std::string strCells;
  for (std::size_t i = 0; i < colCut.size() && i < kNamed; ++i) {
    if (i > 0) strCells += i + 1 == colCut.size() ? " und " : ", ";
    strCells += Cell(colCut[i]);
  }
  if (colCut.size() > kNamed) {
    const std::size_t lngMore = colCut.size() - kNamed;
    strCells +=
        fmt::format(" und {} {}", GermanNumber(lngMore), lngMore == 1 ? "weiterer" : "weitere");
  }
  return fmt::format(
      "Hinweis: {} Texte sind länger als die {} Zeichen, die eine Zelle fasst; ihr Rest fehlt im "
      "Diagramm: {}.",
      GermanNumber(colCut.size()), GermanNumber(kCellLimit), strCells);
}

std::string NumberedShapesNotice(std::size_t lngShapes) {
  if (lngShapes <= excel::xls::kNumberedShapes) return "";
  return fmt::format(
      "Hinweis: Das Diagramm hat {} Formen; eine Excel-97–2003-Arbeitsmappe (.xls) kann nur {} "
      "Formen eines Blatts eigene Nummern geben. Excel kann die Datei deshalb für beschädigt "
      "halten; als .xlsx gespeichert hat das Diagramm diese Grenze nicht.",
      GermanNumber(lngShapes), GermanNumber(excel::xls::kNumberedShapes));
}

std::vector<std::string> ExportNotices(excel::Workbook& objWorkbook) {
  std::vector<std::string> colNotices;
  if (std::string strCut = CutTextsNotice(objWorkbook.CutTexts()); !strCut.empty()) {
    colNotices.push_back(std::move(strCut));
  }
  // Saved as .xlsx only by that name (WorkbookFile.h).
  std::string strExtension = std::filesystem::path(objWorkbook.FullName()).extension().string();
  for (char& c : strExtension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (strExtension != ".xlsx") {
    for (std::int32_t i = 1; i <= objWorkbook.WorksheetCount(); ++i) {
      const std::size_t lngShapes =
          static_cast<std::size_t>(objWorkbook.Worksheets(i).ShapeList().Count());
      if (std::string strShapes = NumberedShapesNotice(lngShapes); !strShapes.empty()) {
        colNotices.push_back(std::move(strShapes));
      }
    }
  }
  return colNotices;
}
