#pragma once
// Lays a worksheet out as the printed page shows it (see PageDescription.h): the print area,
// the cells with their fills, borders and texts, the shapes, the page set-up.
//
// - The print area is PageSetup.PrintArea, or, without one (or when print areas are ignored),
//   the used range grown to take in every shape, from its top-left to its bottom-right cell.
// - Column widths and row heights are the sheet's, in Excel's metrics for Arial 10; hidden
//   columns and rows take no room and show nothing.
// - The scale is the Zoom, or the largest (at most 100 %, at least 10 %) that fits the print
//   area on FitToPagesWide × FitToPagesTall pages; what does not fit is broken into further
//   pages at column and row borders, in the set order.
// - The pages carry the header and footer texts with their codes replaced.

#include <cstdint>
#include <ctime>
#include <string>

#include "platform/excel/print/PageDescription.h"

namespace excel {

class Worksheet;

struct PageLayoutOptions {
  bool blnIgnorePrintAreas = false;
  std::string strFileName;  // for the codes &F (name) and &Z (folder)
  std::time_t lngNow = 0;   // for &D and &T; 0: now
};

PageDocument LayOutPages(const Worksheet& sheet, const PageLayoutOptions& options);

// Paper size in points, portrait, for Excel's PaperSize number; sizes the engine does not know
// print on A4.
void PaperSizePoints(std::int32_t lngPaperSize, double& dblWidth, double& dblHeight);

// A header or footer part with its codes: &P page, &N pages, &D date, &T time, &F file name,
// &Z folder, &A sheet name, && an ampersand; &B bold and &nn font size are taken over; other
// formatting codes (&"font", &I, &U, &K…) are dropped.
PageHeaderText ResolveHeaderText(const std::string& strCodes, std::int32_t lngPage,
                                 std::int32_t lngPages, const std::string& strSheet,
                                 const std::string& strFileName, std::time_t lngNow);

}  // namespace excel
