#pragma once
// Worksheet.PageSetup: how the sheet prints. Lengths are in points; Zoom and the FitToPages
// values take a number or false, as in Excel.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/excel/Constants.h"

namespace excel {

class Worksheet;

class PageSetup {
 public:
  explicit PageSetup(Worksheet& sheet) : sheet_(&sheet) {}

  // A range in A1 notation, or "" for none.
  const std::string& PrintArea() const;
  void PrintArea(const std::string& strValue);
  const std::string& PrintTitleRows() const;  // "$1:$6"
  void PrintTitleRows(const std::string& strValue);
  const std::string& PrintTitleColumns() const;  // "$A:$B"
  void PrintTitleColumns(const std::string& strValue);

  const std::string& LeftHeader() const;
  void LeftHeader(const std::string& strValue);
  const std::string& CenterHeader() const;
  void CenterHeader(const std::string& strValue);
  const std::string& RightHeader() const;
  void RightHeader(const std::string& strValue);
  const std::string& LeftFooter() const;
  void LeftFooter(const std::string& strValue);
  const std::string& CenterFooter() const;
  void CenterFooter(const std::string& strValue);
  const std::string& RightFooter() const;
  void RightFooter(const std::string& strValue);

  double LeftMargin() const;
  void LeftMargin(double dblPoints);
  double RightMargin() const;
  void RightMargin(double dblPoints);
  double TopMargin() const;
  void TopMargin(double dblPoints);
  double BottomMargin() const;
  void BottomMargin(double dblPoints);
  double HeaderMargin() const;
  void HeaderMargin(double dblPoints);
  double FooterMargin() const;
  void FooterMargin(double dblPoints);

  bool PrintHeadings() const;
  void PrintHeadings(bool blnValue);
  bool PrintGridlines() const;
  void PrintGridlines(bool blnValue);
  std::int32_t PrintComments() const;  // xlPrintNoComments, xlPrintSheetEnd, xlPrintInPlace
  void PrintComments(std::int32_t lngValue);
  std::int32_t PrintQuality() const;  // dots per inch, 1 to 9999
  void PrintQuality(std::int32_t lngValue);
  bool CenterHorizontally() const;
  void CenterHorizontally(bool blnValue);
  bool CenterVertically() const;
  void CenterVertically(bool blnValue);
  std::int32_t Orientation() const;  // xlPortrait or xlLandscape
  void Orientation(std::int32_t lngValue);
  bool Draft() const;
  void Draft(bool blnValue);
  std::int32_t PaperSize() const;  // 1 to 118, xlPaperA4 = 9
  void PaperSize(std::int32_t lngValue);
  std::int32_t FirstPageNumber() const;  // xlAutomatic or a page number
  void FirstPageNumber(std::int32_t lngValue);
  std::int32_t Order() const;  // xlDownThenOver or xlOverThenDown
  void Order(std::int32_t lngValue);
  bool BlackAndWhite() const;
  void BlackAndWhite(bool blnValue);

  // A percentage from 10 to 400, or false: print fitted to FitToPagesWide x FitToPagesTall.
  std::optional<std::int32_t> Zoom() const;
  void Zoom(std::int32_t lngPercent);
  void Zoom(bool blnValue);  // only false is accepted
  // Pages, or false (none given: as many as the other direction needs).
  std::optional<std::int32_t> FitToPagesWide() const;
  void FitToPagesWide(std::int32_t lngPages);
  void FitToPagesWide(bool blnValue);  // only false is accepted
  std::optional<std::int32_t> FitToPagesTall() const;
  void FitToPagesTall(std::int32_t lngPages);
  void FitToPagesTall(bool blnValue);  // only false is accepted

 private:
  void Check() const;

  Worksheet* sheet_;
  std::string strPrintArea_, strPrintTitleRows_, strPrintTitleColumns_;
  std::string strLeftHeader_, strCenterHeader_, strRightHeader_;
  std::string strLeftFooter_, strCenterFooter_, strRightFooter_;
  // Excel's defaults: 0.7 inch left and right, 0.75 top and bottom, 0.3 header and footer.
  double dblLeftMargin_ = 50.4, dblRightMargin_ = 50.4;
  double dblTopMargin_ = 54, dblBottomMargin_ = 54;
  double dblHeaderMargin_ = 21.6, dblFooterMargin_ = 21.6;
  bool blnPrintHeadings_ = false, blnPrintGridlines_ = false;
  std::int32_t lngPrintComments_ = xlPrintNoComments;
  std::int32_t lngPrintQuality_ = 600;
  bool blnCenterHorizontally_ = false, blnCenterVertically_ = false;
  std::int32_t lngOrientation_ = xlPortrait;
  bool blnDraft_ = false;
  std::int32_t lngPaperSize_ = xlPaperA4;
  std::int32_t lngFirstPageNumber_ = xlAutomatic;
  std::int32_t lngOrder_ = xlDownThenOver;
  bool blnBlackAndWhite_ = false;
  std::optional<std::int32_t> lngZoom_ = 100;
  std::optional<std::int32_t> lngFitToPagesWide_ = 1;
  std::optional<std::int32_t> lngFitToPagesTall_ = 1;
};

}  // namespace excel
