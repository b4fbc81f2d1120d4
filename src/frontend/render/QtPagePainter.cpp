#include "render/QtPagePainter.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "render/PagePaint.h"

namespace render {

namespace {

constexpr int kPdfResolution = 1200;

QString FileName(const std::filesystem::path& file) {
  return QString::fromStdString(file.string());
}

std::string CannotWrite(const std::filesystem::path& file) {
  return "Die Datei „" + file.string() + "“ kann nicht geschrieben werden.";
}

// The paper as Qt names it: a known size by its name (A4, Letter …), in its orientation.
QPageLayout Layout(const excel::PageDocument& document) {
  const double w = std::min(document.dblPaperWidth, document.dblPaperHeight);
  const double h = std::max(document.dblPaperWidth, document.dblPaperHeight);
  const QPageSize size(QSizeF(w, h), QPageSize::Point, QString(), QPageSize::FuzzyMatch);
  const bool blnLandscape = document.dblPaperWidth > document.dblPaperHeight;
  return QPageLayout(size, blnLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

bool ValidPage(const excel::PageDocument& document, std::size_t lngPage) {
  return lngPage < document.pages.size();
}

}  // namespace

QtPagePainter::QtPagePainter(bool blnInstall) {
  if (blnInstall) excel::SetPagePainter(this);
}

QtPagePainter::~QtPagePainter() {
  if (excel::CurrentPagePainter() == this) excel::SetPagePainter(nullptr);
}

std::string QtPagePainter::WritePdf(const std::vector<excel::PageDocument>& documents,
                                    const std::filesystem::path& file) {
  if (documents.empty()) return "Es gibt keine Seite zu drucken.";
  QPdfWriter writer(FileName(file));
  writer.setResolution(kPdfResolution);
  writer.setCreator(QStringLiteral("Quorvan"));
  writer.setTitle(QString::fromStdString(documents.front().strTitle));
  writer.setPageLayout(Layout(documents.front()));
  QPainter painter;
  if (!painter.begin(&writer)) return CannotWrite(file);
  bool blnFirst = true;
  for (const excel::PageDocument& document : documents) {
    for (const excel::PrintedPage& page : document.pages) {
      if (!blnFirst) {
        writer.setPageLayout(Layout(document));
        writer.newPage();
      }
      blnFirst = false;
      PaintPage(painter, document, page, kPdfResolution / 72.0);
    }
  }
  if (!painter.end()) return CannotWrite(file);
  return "";
}

std::string QtPagePainter::WriteSvg(const excel::PageDocument& document, std::size_t lngPage,
                                    const std::filesystem::path& file) {
  if (!ValidPage(document, lngPage)) return "Die Seite gibt es nicht.";
  QSvgGenerator generator;
  generator.setFileName(FileName(file));
  generator.setResolution(72);
  generator.setSize(QSize(static_cast<int>(std::ceil(document.dblPaperWidth)),
                          static_cast<int>(std::ceil(document.dblPaperHeight))));
  generator.setViewBox(QRectF(0, 0, document.dblPaperWidth, document.dblPaperHeight));
  generator.setTitle(QString::fromStdString(document.strTitle));
  generator.setDescription(QStringLiteral("Quorvan"));
  QPainter painter;
  if (!painter.begin(&generator)) return CannotWrite(file);
  painter.fillRect(QRectF(0, 0, document.dblPaperWidth, document.dblPaperHeight), Qt::white);
  PaintPage(painter, document, document.pages[lngPage], 1.0);
  if (!painter.end()) return CannotWrite(file);
  return "";
}

QImage PageImage(const excel::PageDocument& document, std::size_t lngPage, double dblDotsPerInch) {
  const double dblUnits = dblDotsPerInch / 72.0;
  QImage image(static_cast<int>(std::lround(document.dblPaperWidth * dblUnits)),
               static_cast<int>(std::lround(document.dblPaperHeight * dblUnits)),
               QImage::Format_RGB32);
  const int dpm = static_cast<int>(std::lround(dblDotsPerInch / 0.0254));
  image.setDotsPerMeterX(dpm);
  image.setDotsPerMeterY(dpm);
  image.fill(Qt::white);
  if (lngPage < document.pages.size()) {
    QPainter painter(&image);
    PaintPage(painter, document, document.pages[lngPage], dblUnits);
  }
  return image;
}

std::string QtPagePainter::WritePng(const excel::PageDocument& document, std::size_t lngPage,
                                    std::int32_t lngDotsPerInch,
                                    const std::filesystem::path& file) {
  if (!ValidPage(document, lngPage)) return "Die Seite gibt es nicht.";
  const QImage image = PageImage(document, lngPage, lngDotsPerInch);
  if (image.isNull()) {
    return "Das Bild ist bei " + std::to_string(lngDotsPerInch) + " dpi zu groß für den Speicher.";
  }
  if (!image.save(FileName(file), "PNG")) return CannotWrite(file);
  return "";
}

}  // namespace render
