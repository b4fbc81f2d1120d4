#pragma once
// The engine's page painter on Qt (see platform/excel/print/PagePainter.h): PDF through QPdfWriter
// (vector, texts selectable, fonts embedded), SVG through QSvgGenerator (in points), PNG
// through QImage. Needs a QGuiApplication (see OffscreenGui.h).
//
// A front end installs it for as long as it lives:
//
//     render::QtPagePainter painter;   // installs itself
//     workbook.ExportAsFixedFormat(excel::xlTypePDF, "/tmp/Diagramm.pdf");

#include <QImage>

#include "platform/excel/print/PagePainter.h"

namespace render {

class QtPagePainter : public excel::PagePainter {
 public:
  // Installs itself as the engine's painter unless told not to (to write files directly).
  explicit QtPagePainter(bool blnInstall = true);
  ~QtPagePainter() override;  // removes itself again when installed
  QtPagePainter(const QtPagePainter&) = delete;
  QtPagePainter& operator=(const QtPagePainter&) = delete;

  std::string WritePdf(const std::vector<excel::PageDocument>& documents,
                       const std::filesystem::path& file) override;
  std::string WriteSvg(const excel::PageDocument& document, std::size_t lngPage,
                       const std::filesystem::path& file) override;
  std::string WritePng(const excel::PageDocument& document, std::size_t lngPage,
                       std::int32_t lngDotsPerInch, const std::filesystem::path& file) override;
};

// A page as an image at the resolution, white paper under the drawing.
QImage PageImage(const excel::PageDocument& document, std::size_t lngPage, double dblDotsPerInch);

}  // namespace render
