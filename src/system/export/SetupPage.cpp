#include "export/SetupPage.h"

#include "chart/clsQuorvan.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Worksheet.h"
#include "platform/vb/OnError.h"

namespace {

constexpr double kMarginCentimeters = 2;
constexpr double kHeaderFooterCentimeters = 1;
constexpr std::int32_t kPrintQuality = 300;

double CentimetersToPoints(const clsQuorvan& objQuorvan, double dblCentimeters) {
  if (objQuorvan.objXlApp == nullptr) {
    throw excel::Error(vb::kErrObjectRequired, "Objekt erforderlich: objXlApp");
  }
  return objQuorvan.objXlApp->CentimetersToPoints(dblCentimeters);
}

}  // namespace

bool SetupPage(clsQuorvan& objQuorvan, excel::Worksheet& objSheet) {
  vb::ResumeNext steps;
  auto page = [&]() -> excel::PageSetup& { return objSheet.PageSetup(); };
  auto cm = [&](double dblCentimeters) { return CentimetersToPoints(objQuorvan, dblCentimeters); };
  steps([&] { page().PrintArea(""); });
  steps([&] { page().PrintTitleRows(""); });
  steps([&] { page().PrintTitleColumns(""); });
  steps([&] { page().LeftHeader(""); });
  steps([&] { page().CenterHeader(""); });
  steps([&] { page().RightHeader(""); });
  steps([&] { page().LeftFooter(""); });
  steps([&] { page().CenterFooter(""); });
  steps([&] { page().RightFooter(""); });
  steps([&] { page().LeftMargin(cm(kMarginCentimeters)); });
  steps([&] { page().RightMargin(cm(kMarginCentimeters)); });
  steps([&] { page().TopMargin(cm(kMarginCentimeters)); });
  steps([&] { page().BottomMargin(cm(kMarginCentimeters)); });
  steps([&] { page().HeaderMargin(cm(kHeaderFooterCentimeters)); });
  steps([&] { page().FooterMargin(cm(kHeaderFooterCentimeters)); });
  steps([&] { page().PrintHeadings(false); });
  steps([&] { page().PrintGridlines(false); });
  steps([&] { page().PrintComments(excel::xlPrintNoComments); });
  steps([&] { page().PrintQuality(kPrintQuality); });
  steps([&] { page().CenterHorizontally(false); });
  steps([&] { page().CenterVertically(false); });
  steps([&] { page().Orientation(excel::xlLandscape); });
  steps([&] { page().Draft(false); });
  steps([&] { page().PaperSize(excel::xlPaperA4); });
  steps([&] { page().FirstPageNumber(excel::xlAutomatic); });
  steps([&] { page().Order(excel::xlDownThenOver); });
  steps([&] { page().BlackAndWhite(false); });
  steps([&] { page().Zoom(false); });
  steps([&] { page().FitToPagesWide(1); });
  steps([&] { page().FitToPagesTall(1); });
  return steps.Failed();
}
