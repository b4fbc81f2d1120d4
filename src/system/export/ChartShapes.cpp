#include "export/ChartShapes.h"

#include <optional>

#include "chart/clsQuorvan.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Worksheet.h"
#include "platform/vb/OnError.h"

namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr double kShadowIncrement = -3;

excel::Shapes& ActiveShapes(clsQuorvan& objQuorvan) {
  if (objQuorvan.objXlApp == nullptr) {
    throw excel::Error(vb::kErrObjectRequired, "Objekt erforderlich: objXlApp");
  }
  return objQuorvan.objXlApp->ActiveSheet().Shapes();
}

// The shape that the first step adds; later steps fail while there is none.
excel::Shape Added(const std::optional<excel::Shape>& objShape) {
  if (!objShape) throw excel::Error(vb::kErrObjectRequired, "Objekt erforderlich: Shape");
  return *objShape;
}

void AddShadow(vb::ResumeNext& steps, const std::optional<excel::Shape>& objShape,
               std::int32_t lngShadowColor) {
  steps([&] { Added(objShape).Shadow().Type(excel::msoShadow6); });
  steps([&] { Added(objShape).Shadow().IncrementOffsetX(kShadowIncrement); });
  steps([&] { Added(objShape).Shadow().IncrementOffsetY(kShadowIncrement); });
  steps([&] { Added(objShape).Shadow().ForeColor().RGB(lngShadowColor); });
}

}  // namespace

bool DrawCircle(clsQuorvan& objQuorvan, double dblX, double dblY, double dblRadius,
                std::int32_t lngColor, bool blnShadow) {
  vb::ResumeNext steps;
  std::optional<excel::Shape> objShape;
  steps([&] {
    objShape = ActiveShapes(objQuorvan)
                   .AddShape(excel::msoShapeOval, dblX - dblRadius, dblY - dblRadius, 2 * dblRadius,
                             2 * dblRadius);
  });
  steps([&] { Added(objShape).Fill().Transparency(0); });
  steps([&] { Added(objShape).Fill().Visible(true); });
  steps([&] { Added(objShape).Fill().ForeColor().RGB(lngColor); });
  steps([&] { Added(objShape).Fill().OneColorGradient(excel::msoGradientFromCenter, 1, 0.35); });
  steps([&] { Added(objShape).Line().Weight(0.75); });
  steps([&] { Added(objShape).Line().DashStyle(excel::msoLineSolid); });
  steps([&] { Added(objShape).Line().Style(excel::msoLineSingle); });
  steps([&] { Added(objShape).Line().Transparency(0); });
  steps([&] { Added(objShape).Line().Visible(true); });
  steps([&] { Added(objShape).Line().ForeColor().RGB(kBlack); });
  steps([&] { Added(objShape).Line().BackColor().RGB(kWhite); });
  if (blnShadow) AddShadow(steps, objShape, objQuorvan.lngSymShadowColor);
  return steps.Failed();
}

bool DrawLine(clsQuorvan& objQuorvan, double dblBeginX, double dblBeginY, double dblEndX,
              double dblEndY, std::int32_t lngColor, bool blnShadow) {
  vb::ResumeNext steps;
  std::optional<excel::Shape> objShape;
  steps(
      [&] { objShape = ActiveShapes(objQuorvan).AddLine(dblBeginX, dblBeginY, dblEndX, dblEndY); });
  steps([&] { Added(objShape).Line().ForeColor().RGB(lngColor); });
  steps([&] { Added(objShape).Line().Visible(true); });
  steps([&] { Added(objShape).Line().Weight(0.25); });
  steps([&] { Added(objShape).Line().Style(excel::msoLineSingle); });
  if (blnShadow) AddShadow(steps, objShape, objQuorvan.lngArrowShadowColor);
  steps([&] { Added(objShape).ZOrder(excel::msoSendToBack); });
  return steps.Failed();
}

bool DrawArrow(clsQuorvan& objQuorvan, double dblBeginX, double dblBeginY, double dblEndX,
               double dblEndY, std::int32_t lngColor, bool blnShadow) {
  vb::ResumeNext steps;
  std::optional<excel::Shape> objShape;
  steps(
      [&] { objShape = ActiveShapes(objQuorvan).AddLine(dblBeginX, dblBeginY, dblEndX, dblEndY); });
  steps([&] { Added(objShape).Line().EndArrowheadStyle(excel::msoArrowheadTriangle); });
  if (objQuorvan.arrowSize) {
    // Excel's sizes of an arrowhead: 1 short and narrow, 2 medium, 3 long and wide.
    const std::int32_t lngHeadSize = static_cast<std::int32_t>(*objQuorvan.arrowSize) + 1;
    steps([&] { Added(objShape).Line().EndArrowheadLength(lngHeadSize); });
    steps([&] { Added(objShape).Line().EndArrowheadWidth(lngHeadSize); });
  }
  steps([&] { Added(objShape).Line().ForeColor().RGB(lngColor); });
  steps([&] { Added(objShape).Line().Visible(true); });
  steps([&] { Added(objShape).Line().Weight(objQuorvan.dblArrowThickness); });
  steps([&] { Added(objShape).Line().Style(excel::msoLineSingle); });
  if (blnShadow) AddShadow(steps, objShape, objQuorvan.lngArrowShadowColor);
  return steps.Failed();
}
