#pragma once
// The painter that turns a page description (PageDescription.h) into a file. The engine only
// describes pages; drawing them needs a graphics toolkit, which the front end brings along and
// installs here, as it installs its shell backend. Without one, printing to PDF and pictures
// are refused.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/excel/print/PageDescription.h"

namespace excel {

class PagePainter {
 public:
  virtual ~PagePainter() = default;
  // Each writes the file anew and returns "" on success, else a German description of what
  // went wrong. The file is a temporary one beside the target; the engine renames it.
  // Every page of the documents (one per printed sheet), one PDF page each, with the first
  // document's properties.
  virtual std::string WritePdf(const std::vector<PageDocument>& documents,
                               const std::filesystem::path& file) = 0;
  // One page as an SVG drawing, in points.
  virtual std::string WriteSvg(const PageDocument& document, std::size_t lngPage,
                               const std::filesystem::path& file) = 0;
  // One page as a PNG image at the resolution (dots per inch).
  virtual std::string WritePng(const PageDocument& document, std::size_t lngPage,
                               std::int32_t lngDotsPerInch, const std::filesystem::path& file) = 0;
};

// Installs the painter (nullptr removes it); the caller keeps it alive while it is installed.
void SetPagePainter(PagePainter* painter);
PagePainter* CurrentPagePainter();

}  // namespace excel
