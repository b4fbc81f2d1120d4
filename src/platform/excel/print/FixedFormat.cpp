// Workbook.ExportAsFixedFormat and Worksheet.ExportPicture: the sheets laid out as printed
// pages (PageLayout.h), painted by the installed page painter into a temporary file beside the
// target, renamed over it.

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/print/PageLayout.h"
#include "platform/excel/print/PagePainter.h"
#include "platform/excel/save/AtomicSave.h"
#include "platform/shell/ShellApi.h"

namespace excel {

namespace fs = std::filesystem;

namespace {

PagePainter* gPainter = nullptr;

PagePainter& Painter() {
  if (gPainter == nullptr) {
    throw Error(
        _("PDF-Dateien und Bilder können hier nicht gezeichnet werden: Es ist keine "
          "Zeichenausgabe eingerichtet."));
  }
  return *gPainter;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return text;
}

void Painted(const std::string& strFailure) {
  if (!strFailure.empty()) throw Error(strFailure);
}

}  // namespace

void SetPagePainter(PagePainter* painter) {
  gPainter = painter;
}

PagePainter* CurrentPagePainter() {
  return gPainter;
}

void Workbook::ExportAsFixedFormat(std::int32_t Type, const std::string& Filename,
                                   std::int32_t Quality, bool IncludeDocProperties,
                                   bool IgnorePrintAreas, std::int32_t From, std::int32_t To,
                                   bool OpenAfterPublish) {
  CheckUsable();
  if (Type == xlTypeXPS) {
    throw Error(
        _("Das Format XPS wird nicht unterstützt; die Arbeitsmappe wird als PDF gedruckt."));
  }
  if (Type != xlTypePDF)
    throw Error(catalog::Format(_("Den Dateityp {} gibt es nicht."), std::to_string(Type)));
  if (Quality != xlQualityStandard && Quality != xlQualityMinimum) {
    throw Error(catalog::Format(_("Die Qualität {} gibt es nicht."), std::to_string(Quality)));
  }
  if (From < 0 || To < 0 || (To != 0 && From > To)) {
    throw Error(catalog::Format(_("Die Seiten von {} bis {} gibt es nicht."), std::to_string(From),
                                std::to_string(To)));
  }
  fs::path target = fs::absolute(fs::path(Filename)).lexically_normal();
  if (!target.has_extension()) target += ".pdf";
  PagePainter& painter = Painter();

  // Every sheet's pages, numbered through; a sheet without anything to print is left out.
  std::vector<PageDocument> colDocuments;
  std::int32_t lngPage = 0;
  const std::int32_t lngFrom = From == 0 ? 1 : From;
  for (auto& sheet : sheets_) {
    if (sheet->Data().Rows().empty() && sheet->ShapeList().Count() == 0) continue;
    PageLayoutOptions options;
    options.blnIgnorePrintAreas = IgnorePrintAreas;
    options.strFileName = target.string();
    PageDocument document = LayOutPages(*sheet, options);
    std::vector<PrintedPage> colKept;
    for (PrintedPage& page : document.pages) {
      ++lngPage;
      if (lngPage >= lngFrom && (To == 0 || lngPage <= To)) colKept.push_back(std::move(page));
    }
    document.pages = std::move(colKept);
    if (document.pages.empty()) continue;
    if (IncludeDocProperties) {
      document.strTitle = fs::path(Name()).stem().string();
      document.strAuthor = "Quorvan";
    }
    colDocuments.push_back(std::move(document));
  }
  if (colDocuments.empty()) {
    throw Error(lngPage == 0
                    ? std::string(_("Die Arbeitsmappe ist leer; es gibt nichts zu drucken."))
                    : catalog::Format(_("Die Arbeitsmappe hat nur {} Seiten; es gibt "
                                        "nichts zu drucken."),
                                      lngPage));
  }
  const fs::path saved = SaveAtomically(
      target, {".pdf"}, _("gedruckt wird in eine PDF-Datei (.pdf)."),
      [&](const fs::path& temporary) { Painted(painter.WritePdf(colDocuments, temporary)); });
  application_->WatchFolder(saved.parent_path());
  if (OpenAfterPublish) {
    shell::ShellExecuteA(0, "open", saved.c_str(), nullptr, nullptr, 1);
  }
}

void Worksheet::ExportPicture(const std::string& strFilename, std::int32_t lngResolution) {
  CheckUsable();
  if (lngResolution < 10 || lngResolution > 2400) {
    throw Error(
        catalog::Format(_("Die Auflösung {} dpi ist ungültig; erlaubt sind 10 bis 2400 dpi."),
                        std::to_string(lngResolution)));
  }
  const fs::path target = fs::absolute(fs::path(strFilename)).lexically_normal();
  PagePainter& painter = Painter();
  PageLayoutOptions options;
  options.strFileName = target.string();
  const PageDocument document = LayOutPages(*this, options);
  const bool blnSvg = Lower(target.extension().string()) == ".svg";
  const fs::path saved =
      SaveAtomically(target, {".svg", ".png"}, _("Bilder werden als .svg oder .png gespeichert."),
                     [&](const fs::path& temporary) {
                       Painted(blnSvg ? painter.WriteSvg(document, 0, temporary)
                                      : painter.WritePng(document, 0, lngResolution, temporary));
                     });
  workbook_->Parent().WatchFolder(saved.parent_path());
}

}  // namespace excel
