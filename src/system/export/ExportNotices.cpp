#include "export/ExportNotices.h"

#include <fmt/format.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <utility>

#include "export/NumberText.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/xls/XlsWriter.h"

namespace {

constexpr std::size_t kCellLimit = 32767;
constexpr std::size_t kNamed = 5;  // cells named in the notice; the rest are counted

std::string Cell(const excel::CutText& objCut) {
  return catalog::Format(_("{} („{}…“, {} Zeichen)"), objCut.strAddress, objCut.strStart,
                         NumberText(objCut.lngLength));
}

}  // namespace

std::string CutTextsNotice(const std::vector<excel::CutText>& colCut) {
  if (colCut.empty()) return "";
  if (colCut.size() == 1) {
    return catalog::Format(
        _("Hinweis: Der Text der Zelle {} („{}…“) hat {} Zeichen; eine Zelle fasst {}, der Rest "
          "fehlt im Diagramm."),
        colCut[0].strAddress, colCut[0].strStart, NumberText(colCut[0].lngLength),
        NumberText(kCellLimit));
  }
  std::string strCells;
  for (std::size_t i = 0; i < colCut.size() && i < kNamed; ++i) {
    if (i > 0) strCells += i + 1 == colCut.size() ? _(" und ") : ", ";
    strCells += Cell(colCut[i]);
  }
  if (colCut.size() > kNamed) {
    const std::size_t lngMore = colCut.size() - kNamed;
    strCells +=
        catalog::Format(P_(" und {} weiterer", " und {} weitere", lngMore), NumberText(lngMore));
  }
  return catalog::Format(
      _("Hinweis: {} Texte sind länger als die {} Zeichen, die eine Zelle fasst; ihr Rest fehlt "
        "im Diagramm: {}."),
      NumberText(colCut.size()), NumberText(kCellLimit), strCells);
}

std::string NumberedShapesNotice(std::size_t lngShapes) {
  if (lngShapes <= excel::xls::kNumberedShapes) return "";
  return catalog::Format(
      _("Hinweis: Das Diagramm hat {} Formen; eine Excel-97–2003-Arbeitsmappe (.xls) kann nur {} "
        "Formen eines Blatts eigene Nummern geben. Excel kann die Datei deshalb für beschädigt "
        "halten; als .xlsx gespeichert hat das Diagramm diese Grenze nicht."),
      NumberText(lngShapes), NumberText(excel::xls::kNumberedShapes));
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
