#include "platform/excel/PageSetup.h"

#include <cmath>

#include "platform/excel/A1Reference.h"
#include "platform/excel/Error.h"
#include "platform/excel/Worksheet.h"

namespace excel {

namespace {

[[noreturn]] void Refuse(const std::string& strProperty, std::int32_t lngValue) {
  throw Error("Den Wert " + std::to_string(lngValue) + " für " + strProperty + " gibt es nicht.");
}

// Header and footer texts: Excel takes at most 255 characters each.
void CheckHeaderText(const std::string& strValue) {
  if (strValue.size() > 255) {
    throw Error("Kopf- und Fußzeilen dürfen höchstens 255 Zeichen lang sein.");
  }
}

// Print titles: whole rows ("$1:$6") or whole columns ("$A:$B"), or "".
void CheckTitles(const std::string& strValue, bool blnRows) {
  if (strValue.empty()) return;
  CellRect rect = ParseA1(strValue);
  bool blnWhole = blnRows ? rect.lngLeft == 1 && rect.lngRight == kMaxColumns
                          : rect.lngTop == 1 && rect.lngBottom == kMaxRows;
  if (!blnWhole) {
    throw Error("Drucktitel müssen ganze " + std::string(blnRows ? "Zeilen" : "Spalten") +
                " sein: „" + strValue + "“.");
  }
}

void CheckMargin(double dblPoints) {
  // Excel refuses margins of 49 inches or more.
  if (!(dblPoints >= 0 && dblPoints < 49 * 72)) {
    throw Error("Der Seitenrand muss zwischen 0 und 49 Zoll liegen.");
  }
}

}  // namespace

void PageSetup::Check() const {
  sheet_->CheckUsable();
}

const std::string& PageSetup::PrintArea() const {
  Check();
  return strPrintArea_;
}

void PageSetup::PrintArea(const std::string& strValue) {
  Check();
  if (!strValue.empty()) ParseA1(strValue);
  strPrintArea_ = strValue;
}

const std::string& PageSetup::PrintTitleRows() const {
  Check();
  return strPrintTitleRows_;
}

void PageSetup::PrintTitleRows(const std::string& strValue) {
  Check();
  CheckTitles(strValue, true);
  strPrintTitleRows_ = strValue;
}

const std::string& PageSetup::PrintTitleColumns() const {
  Check();
  return strPrintTitleColumns_;
}

void PageSetup::PrintTitleColumns(const std::string& strValue) {
  Check();
  CheckTitles(strValue, false);
  strPrintTitleColumns_ = strValue;
}

const std::string& PageSetup::LeftHeader() const {
  Check();
  return strLeftHeader_;
}

void PageSetup::LeftHeader(const std::string& strValue) {
  Check();
  CheckHeaderText(strValue);
  strLeftHeader_ = strValue;
}

const std::string& PageSetup::CenterHeader() const {
  Check();
  return strCenterHeader_;
}

void PageSetup::CenterHeader(const std::string& strValue) {
  Check();
  CheckHeaderText(strValue);
  strCenterHeader_ = strValue;
}

const std::string& PageSetup::RightHeader() const {
  Check();
  return strRightHeader_;
}

void PageSetup::RightHeader(const std::string& strValue) {
  Check();
  CheckHeaderText(strValue);
  strRightHeader_ = strValue;
}

const std::string& PageSetup::LeftFooter() const {
  Check();
  return strLeftFooter_;
}

void PageSetup::LeftFooter(const std::string& strValue) {
  Check();
  CheckHeaderText(strValue);
  strLeftFooter_ = strValue;
}

const std::string& PageSetup::CenterFooter() const {
  Check();
  return strCenterFooter_;
}

void PageSetup::CenterFooter(const std::string& strValue) {
  Check();
  CheckHeaderText(strValue);
  strCenterFooter_ = strValue;
}

const std::string& PageSetup::RightFooter() const {
  Check();
  return strRightFooter_;
}

void PageSetup::RightFooter(const std::string& strValue) {
  Check();
  CheckHeaderText(strValue);
  strRightFooter_ = strValue;
}

double PageSetup::LeftMargin() const {
  Check();
  return dblLeftMargin_;
}

void PageSetup::LeftMargin(double dblPoints) {
  Check();
  CheckMargin(dblPoints);
  dblLeftMargin_ = dblPoints;
}

double PageSetup::RightMargin() const {
  Check();
  return dblRightMargin_;
}

void PageSetup::RightMargin(double dblPoints) {
  Check();
  CheckMargin(dblPoints);
  dblRightMargin_ = dblPoints;
}

double PageSetup::TopMargin() const {
  Check();
  return dblTopMargin_;
}

void PageSetup::TopMargin(double dblPoints) {
  Check();
  CheckMargin(dblPoints);
  dblTopMargin_ = dblPoints;
}

double PageSetup::BottomMargin() const {
  Check();
  return dblBottomMargin_;
}

void PageSetup::BottomMargin(double dblPoints) {
  Check();
  CheckMargin(dblPoints);
  dblBottomMargin_ = dblPoints;
}

double PageSetup::HeaderMargin() const {
  Check();
  return dblHeaderMargin_;
}

void PageSetup::HeaderMargin(double dblPoints) {
  Check();
  CheckMargin(dblPoints);
  dblHeaderMargin_ = dblPoints;
}

double PageSetup::FooterMargin() const {
  Check();
  return dblFooterMargin_;
}

void PageSetup::FooterMargin(double dblPoints) {
  Check();
  CheckMargin(dblPoints);
  dblFooterMargin_ = dblPoints;
}

bool PageSetup::PrintHeadings() const {
  Check();
  return blnPrintHeadings_;
}

void PageSetup::PrintHeadings(bool blnValue) {
  Check();
  blnPrintHeadings_ = blnValue;
}

bool PageSetup::PrintGridlines() const {
  Check();
  return blnPrintGridlines_;
}

void PageSetup::PrintGridlines(bool blnValue) {
  Check();
  blnPrintGridlines_ = blnValue;
}

bool PageSetup::CenterHorizontally() const {
  Check();
  return blnCenterHorizontally_;
}

void PageSetup::CenterHorizontally(bool blnValue) {
  Check();
  blnCenterHorizontally_ = blnValue;
}

bool PageSetup::CenterVertically() const {
  Check();
  return blnCenterVertically_;
}

void PageSetup::CenterVertically(bool blnValue) {
  Check();
  blnCenterVertically_ = blnValue;
}

bool PageSetup::Draft() const {
  Check();
  return blnDraft_;
}

void PageSetup::Draft(bool blnValue) {
  Check();
  blnDraft_ = blnValue;
}

bool PageSetup::BlackAndWhite() const {
  Check();
  return blnBlackAndWhite_;
}

void PageSetup::BlackAndWhite(bool blnValue) {
  Check();
  blnBlackAndWhite_ = blnValue;
}

std::int32_t PageSetup::PrintComments() const {
  Check();
  return lngPrintComments_;
}

void PageSetup::PrintComments(std::int32_t lngValue) {
  Check();
  if (lngValue != xlPrintNoComments && lngValue != xlPrintSheetEnd && lngValue != xlPrintInPlace)
    Refuse("PrintComments", lngValue);
  lngPrintComments_ = lngValue;
}

std::int32_t PageSetup::PrintQuality() const {
  Check();
  return lngPrintQuality_;
}

void PageSetup::PrintQuality(std::int32_t lngValue) {
  Check();
  if (lngValue < 1 || lngValue > 9999) Refuse("PrintQuality", lngValue);
  lngPrintQuality_ = lngValue;
}

std::int32_t PageSetup::Orientation() const {
  Check();
  return lngOrientation_;
}

void PageSetup::Orientation(std::int32_t lngValue) {
  Check();
  if (lngValue != xlPortrait && lngValue != xlLandscape) Refuse("Orientation", lngValue);
  lngOrientation_ = lngValue;
}

std::int32_t PageSetup::PaperSize() const {
  Check();
  return lngPaperSize_;
}

void PageSetup::PaperSize(std::int32_t lngValue) {
  Check();
  if (lngValue < 1 || lngValue > 118) Refuse("PaperSize", lngValue);
  lngPaperSize_ = lngValue;
}

std::int32_t PageSetup::FirstPageNumber() const {
  Check();
  return lngFirstPageNumber_;
}

void PageSetup::FirstPageNumber(std::int32_t lngValue) {
  Check();
  if (lngValue != xlAutomatic && (lngValue < 0 || lngValue > 32767))
    Refuse("FirstPageNumber", lngValue);
  lngFirstPageNumber_ = lngValue;
}

std::int32_t PageSetup::Order() const {
  Check();
  return lngOrder_;
}

void PageSetup::Order(std::int32_t lngValue) {
  Check();
  if (lngValue != xlDownThenOver && lngValue != xlOverThenDown) Refuse("Order", lngValue);
  lngOrder_ = lngValue;
}

std::optional<std::int32_t> PageSetup::Zoom() const {
  Check();
  return lngZoom_;
}

void PageSetup::Zoom(std::int32_t lngPercent) {
  Check();
  if (lngPercent < 10 || lngPercent > 400) Refuse("Zoom", lngPercent);
  lngZoom_ = lngPercent;
}

void PageSetup::Zoom(bool blnValue) {
  Check();
  if (blnValue) throw Error("Zoom nimmt eine Zahl von 10 bis 400 oder Falsch.");
  lngZoom_.reset();
}

std::optional<std::int32_t> PageSetup::FitToPagesWide() const {
  Check();
  return lngFitToPagesWide_;
}

void PageSetup::FitToPagesWide(std::int32_t lngPages) {
  Check();
  if (lngPages < 0 || lngPages > 32767) Refuse("FitToPagesWide", lngPages);
  lngFitToPagesWide_ = lngPages;
}

void PageSetup::FitToPagesWide(bool blnValue) {
  Check();
  if (blnValue) throw Error("FitToPagesWide nimmt eine Seitenzahl oder Falsch.");
  lngFitToPagesWide_.reset();
}

std::optional<std::int32_t> PageSetup::FitToPagesTall() const {
  Check();
  return lngFitToPagesTall_;
}

void PageSetup::FitToPagesTall(std::int32_t lngPages) {
  Check();
  if (lngPages < 0 || lngPages > 32767) Refuse("FitToPagesTall", lngPages);
  lngFitToPagesTall_ = lngPages;
}

void PageSetup::FitToPagesTall(bool blnValue) {
  Check();
  if (blnValue) throw Error("FitToPagesTall nimmt eine Seitenzahl oder Falsch.");
  lngFitToPagesTall_.reset();
}

}  // namespace excel
