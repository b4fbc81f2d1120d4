#include "render/PagePaint.h"

#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>

#include "platform/excel/Constants.h"

namespace render {

namespace {

using excel::PageAlign;

constexpr double kMinGradientPoints = 1.5;
using excel::PageRect;

QColor ColorOf(std::int32_t lngColor, double dblAlpha = 1.0) {
  QColor color(lngColor & 0xFF, (lngColor >> 8) & 0xFF, (lngColor >> 16) & 0xFF);
  if (dblAlpha < 1.0) color.setAlphaF(static_cast<float>(std::clamp(dblAlpha, 0.0, 1.0)));
  return color;
}

// The families to set the sheet's font in: its own, then its metric twin.
QStringList FontFamilies(const std::string& strFamily) {
  QStringList families{QString::fromStdString(strFamily)};
  if (strFamily == "Arial") families << QStringLiteral("Liberation Sans");
  return families;
}

Qt::BrushStyle PatternStyle(std::int32_t lngPattern) {
  switch (lngPattern) {
    case excel::xlPatternGray75:
      return Qt::Dense2Pattern;
    case excel::xlPatternGray50:
    case excel::xlPatternChecker:
      return Qt::Dense4Pattern;
    case excel::xlPatternGray25:
    case excel::xlPatternSemiGray75:
      return Qt::Dense5Pattern;
    case excel::xlPatternGray16:
      return Qt::Dense6Pattern;
    case excel::xlPatternGray8:
      return Qt::Dense7Pattern;
    case excel::xlPatternHorizontal:
    case excel::xlPatternLightHorizontal:
      return Qt::HorPattern;
    case excel::xlPatternVertical:
    case excel::xlPatternLightVertical:
      return Qt::VerPattern;
    case excel::xlPatternDown:
    case excel::xlPatternLightDown:
      return Qt::FDiagPattern;
    case excel::xlPatternUp:
    case excel::xlPatternLightUp:
      return Qt::BDiagPattern;
    case excel::xlPatternGrid:
      return Qt::CrossPattern;
    case excel::xlPatternCrissCross:
      return Qt::DiagCrossPattern;
    default:
      return Qt::NoBrush;
  }
}

// Office's dash styles as Qt dash patterns (in multiples of the pen's width).
void SetDash(QPen& pen, std::uint8_t intDash) {
  switch (intDash) {
    case 2:
      pen.setStyle(Qt::DotLine);
      break;
    case 3:
      pen.setStyle(Qt::DotLine);
      pen.setCapStyle(Qt::RoundCap);
      break;
    case 4:
      pen.setStyle(Qt::DashLine);
      break;
    case 5:
      pen.setStyle(Qt::DashDotLine);
      break;
    case 6:
      pen.setStyle(Qt::DashDotDotLine);
      break;
    case 7:
      pen.setDashPattern({8, 3});
      break;
    case 8:
      pen.setDashPattern({8, 3, 1, 3});
      break;
    case 9:
      pen.setDashPattern({8, 3, 1, 3, 1, 3});
      break;
    case 10:
      pen.setDashPattern({3, 1});
      break;
    case 11:
      pen.setDashPattern({1, 1});
      break;
    case 12:
      pen.setDashPattern({3, 1, 1, 1});
      break;
    default:
      break;
  }
}

void SetBorderStyle(QPen& pen, std::int32_t lngStyle) {
  switch (lngStyle) {
    case excel::xlDash:
      pen.setStyle(Qt::DashLine);
      break;
    case excel::xlDot:
      pen.setStyle(Qt::DotLine);
      break;
    case excel::xlDashDot:
    case excel::xlSlantDashDot:
      pen.setStyle(Qt::DashDotLine);
      break;
    case excel::xlDashDotDot:
      pen.setStyle(Qt::DashDotDotLine);
      break;
    default:
      break;
  }
}

bool Meets(const PageRect& a, double l, double t, double r, double b) {
  return l <= a.Right() && r >= a.dblLeft && t <= a.Bottom() && b >= a.dblTop;
}

class PagePainter {
 public:
  PagePainter(QPainter& painter, const excel::PageDocument& document,
              const excel::PrintedPage& page, double dblUnits, const QRectF& area)
      : p_(painter),
        doc_(document),
        page_(page),
        units_(dblUnits),
        scale_(page.dblScale * dblUnits),
        families_(FontFamilies(document.drawing.strFontFamily)) {
    const PageRect& s = page.source;
    // A little room around the source, so that lines on its edges are not cut in half.
    const double m = 3.0;
    view_ = PageRect{s.dblLeft - m, s.dblTop - m, s.dblWidth + 2 * m, s.dblHeight + 2 * m};
    if (!area.isEmpty()) {
      // Only the part of the sheet that lands in the area, with the same room.
      auto sheetX = [&](double x) {
        return (x / dblUnits - page.dblLeft) / page.dblScale + s.dblLeft;
      };
      auto sheetY = [&](double y) {
        return (y / dblUnits - page.dblTop) / page.dblScale + s.dblTop;
      };
      const double dblLeft = std::max(view_.dblLeft, sheetX(area.left()) - m);
      const double dblTop = std::max(view_.dblTop, sheetY(area.top()) - m);
      const double dblRight = std::min(view_.Right(), sheetX(area.right()) + m);
      const double dblBottom = std::min(view_.Bottom(), sheetY(area.bottom()) + m);
      view_ = PageRect{dblLeft, dblTop, dblRight - dblLeft, dblBottom - dblTop};
    }
    dpi_ = painter.device() != nullptr ? painter.device()->logicalDpiY() : 72;
  }

  void Paint() {
    p_.save();
    HeadersAndFooters();
    const PageRect& s = page_.source;
    const QPointF a = Map(s.dblLeft, s.dblTop), b = Map(s.Right(), s.Bottom());
    const double m = 3.0 * scale_;
    pageClip_ = QRectF(a - QPointF(m, m), b + QPointF(m, m));
    p_.setClipRect(pageClip_);
    p_.setRenderHint(QPainter::Antialiasing, false);
    Fills();
    Lines(doc_.drawing.gridLines);
    Lines(doc_.drawing.borders);
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    Texts();
    Shapes();
    p_.restore();
  }

 private:
  QPointF Map(double x, double y) const {
    return QPointF((page_.dblLeft + (x - page_.source.dblLeft) * page_.dblScale) * units_,
                   (page_.dblTop + (y - page_.source.dblTop) * page_.dblScale) * units_);
  }
  QRectF Map(const PageRect& r) const {
    return QRectF(Map(r.dblLeft, r.dblTop), QSizeF(r.dblWidth * scale_, r.dblHeight * scale_));
  }

  QFont Font(double dblPoints, bool blnBold) const {
    QFont font;
    font.setFamilies(families_);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Points on the device: the painter sets the size by the device's own resolution.
    font.setPointSizeF(std::max(0.01, dblPoints * units_ * 72.0 / dpi_));
    font.setBold(blnBold);
    return font;
  }

  void HeadersAndFooters() {
    const double dblLeft = page_.dblTextLeft * units_, dblRight = page_.dblTextRight * units_;
    const double dblWidth = std::max(0.0, dblRight - dblLeft);
    const double dblHeader = page_.dblHeaderTop * units_;
    const double dblFooter = (doc_.dblPaperHeight - page_.dblFooterBottom) * units_;
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    p_.setPen(Qt::black);
    for (std::size_t k = 0; k < 3; ++k) {
      for (const auto* part : {&page_.header[k], &page_.footer[k]}) {
        if (part->strText.empty()) continue;
        p_.setFont(Font(part->sngSize, part->blnBold));
        const bool blnHeader = part == &page_.header[k];
        const QRectF box = blnHeader ? QRectF(dblLeft, dblHeader, dblWidth, dblFooter)
                                     : QRectF(dblLeft, 0, dblWidth, dblFooter);
        p_.drawText(box, aligns[k] | (blnHeader ? Qt::AlignTop : Qt::AlignBottom),
                    QString::fromStdString(part->strText));
      }
    }
  }

  void Fills() {
    p_.setPen(Qt::NoPen);
    for (const excel::PageFill& fill : doc_.drawing.fills) {
      const PageRect& r = fill.box;
      if (!Meets(view_, r.dblLeft, r.dblTop, r.Right(), r.Bottom())) continue;
      const QRectF box = Map(r);
      p_.fillRect(box, ColorOf(fill.lngColor));
      if (fill.lngPattern != excel::xlPatternSolid) {
        p_.fillRect(box, QBrush(Qt::black, PatternStyle(fill.lngPattern)));
      }
    }
  }

  void Lines(const std::vector<excel::PageLine>& colLines) {
    for (const excel::PageLine& line : colLines) {
      if (!Meets(view_, std::min(line.dblX1, line.dblX2), std::min(line.dblY1, line.dblY2),
                 std::max(line.dblX1, line.dblX2), std::max(line.dblY1, line.dblY2)))
        continue;
      const QPointF a = Map(line.dblX1, line.dblY1), b = Map(line.dblX2, line.dblY2);
      if (line.lngStyle == excel::xlDouble) {
        // Two thin lines a third of the weight apart on either side of the edge.
        const double w = line.sngWeight * scale_;
        QPen pen(ColorOf(line.lngColor), w / 3.0, Qt::SolidLine, Qt::SquareCap);
        p_.setPen(pen);
        const QLineF axis(a, b);
        const QPointF n = QPointF(-axis.dy(), axis.dx()) / std::max(1e-9, axis.length()) * w / 3.0;
        p_.drawLine(QLineF(a + n, b + n));
        p_.drawLine(QLineF(a - n, b - n));
        continue;
      }
      QPen pen(ColorOf(line.lngColor), line.sngWeight * scale_, Qt::SolidLine, Qt::SquareCap);
      SetBorderStyle(pen, line.lngStyle);
      p_.setPen(pen);
      p_.drawLine(QLineF(a, b));
    }
  }

  static Qt::Alignment HAlign(PageAlign align) {
    return align == PageAlign::Start    ? Qt::AlignLeft
           : align == PageAlign::Center ? Qt::AlignHCenter
                                        : Qt::AlignRight;
  }
  static Qt::Alignment VAlign(PageAlign align) {
    return align == PageAlign::Start    ? Qt::AlignTop
           : align == PageAlign::Center ? Qt::AlignVCenter
                                        : Qt::AlignBottom;
  }

  void Texts() {
    double dblSize = -1;
    bool blnBold = false;
    std::int32_t lngColor = -1;
    for (const excel::PageText& text : doc_.drawing.texts) {
      const PageRect& c = text.clip;
      if (!Meets(view_, c.dblLeft, c.dblTop, c.Right(), c.Bottom())) continue;
      if (text.sngSize != dblSize || text.blnBold != blnBold) {
        dblSize = text.sngSize;
        blnBold = text.blnBold;
        p_.setFont(Font(dblSize * page_.dblScale, blnBold));
      }
      if (text.lngColor != lngColor) {
        lngColor = text.lngColor;
        p_.setPen(ColorOf(lngColor));
      }
      const int flags = static_cast<int>(HAlign(text.horizontal) | VAlign(text.vertical)) |
                        Qt::TextDontClip | (text.blnWrap ? Qt::TextWordWrap : 0);
      const QString strText = QString::fromStdString(text.strText);
      const QRectF box = Map(text.box);
      // The page's clip and the text's, replaced for each text rather than saved and restored.
      p_.setClipRect(Map(text.clip).intersected(pageClip_), Qt::ReplaceClip);
      if (text.intRotation == 0) {
        p_.drawText(box, flags, strText);
      } else {
        const bool blnAcross = std::abs(text.intRotation) >= 45;
        const double w = blnAcross ? box.height() : box.width();
        const double h = blnAcross ? box.width() : box.height();
        const QTransform base = p_.transform();
        p_.translate(box.center());
        p_.rotate(-text.intRotation);
        p_.drawText(QRectF(-w / 2, -h / 2, w, h), flags, strText);
        p_.setTransform(base);
      }
    }
    p_.setClipRect(pageClip_, Qt::ReplaceClip);
  }

  QBrush FillBrush(const excel::PageShape& s, const QRectF& box) const {
    // A symbol printed smaller than a point and a half shows no gradient; its colour alone keeps a
    // chart of thousands of rows, printed small, quick to write and to open.
    const double dblPaperSize = std::max(box.width(), box.height()) / units_;
    if (!s.blnGradient || dblPaperSize < kMinGradientPoints) {
      return QBrush(ColorOf(s.lngFillColor, s.sngFillAlpha));
    }
    QGradientStops stops;
    for (std::size_t i = 0; i < s.intStopCount; ++i) {
      stops << QGradientStop(s.stops[i].dblPosition, ColorOf(s.stops[i].lngColor, s.sngFillAlpha));
    }
    if (s.blnRadial) {
      const QPointF centre(box.left() + s.dblCenterX * box.width(),
                           box.top() + s.dblCenterY * box.height());
      // To the farthest edge of the box: from the middle half its larger side, from a corner
      // its diagonal.
      const double dx = std::max(centre.x() - box.left(), box.right() - centre.x());
      const double dy = std::max(centre.y() - box.top(), box.bottom() - centre.y());
      const bool blnMiddle = s.dblCenterX > 0.0 && s.dblCenterX < 1.0;
      QRadialGradient gradient(centre,
                               std::max(1e-6, blnMiddle ? std::max(dx, dy) : std::hypot(dx, dy)));
      gradient.setStops(stops);
      return QBrush(gradient);
    }
    const double rad = s.dblAngle * M_PI / 180.0;
    const QPointF c = box.center();
    const double half =
        (std::fabs(std::cos(rad)) * box.width() + std::fabs(std::sin(rad)) * box.height()) / 2.0;
    const QPointF d(std::cos(rad) * half, std::sin(rad) * half);
    QLinearGradient gradient(c - d, c + d);
    gradient.setStops(stops);
    return QBrush(gradient);
  }

  QPen LinePen(const excel::PageShape& s, std::int32_t lngColor, double dblAlpha) const {
    QPen pen(ColorOf(lngColor, dblAlpha), s.sngLineWeight * scale_, Qt::SolidLine, Qt::FlatCap,
             Qt::MiterJoin);
    SetDash(pen, s.intDash);
    return pen;
  }

  void Ellipse(const excel::PageShape& s, double dx, double dy, bool blnShadow) {
    const QRectF box(
        Map(std::min(s.dblX1, s.dblX2) + dx, std::min(s.dblY1, s.dblY2) + dy),
        QSizeF(std::fabs(s.dblX2 - s.dblX1) * scale_, std::fabs(s.dblY2 - s.dblY1) * scale_));
    if (blnShadow) {
      p_.setBrush(ColorOf(s.lngShadowColor));
      p_.setPen(s.blnLine ? LinePen(s, s.lngShadowColor, 1.0) : QPen(Qt::NoPen));
    } else {
      p_.setBrush(s.blnFill ? FillBrush(s, box) : QBrush(Qt::NoBrush));
      p_.setPen(s.blnLine ? LinePen(s, s.lngLineColor, s.sngLineAlpha) : QPen(Qt::NoPen));
    }
    p_.drawEllipse(box);
  }

  void Line(const excel::PageShape& s, double dx, double dy, bool blnShadow) {
    if (!s.blnLine) return;
    const std::int32_t lngColor = blnShadow ? s.lngShadowColor : s.lngLineColor;
    const double dblAlpha = blnShadow ? 1.0 : s.sngLineAlpha;
    const QPointF a = Map(s.dblX1 + dx, s.dblY1 + dy), b = Map(s.dblX2 + dx, s.dblY2 + dy);
    const QLineF axis(a, b);
    const double dblLength = axis.length();
    if (dblLength <= 0) return;
    const QPointF u = (b - a) / dblLength, n(-u.y(), u.x());
    const double L = s.sngArrowLength * scale_, W = s.sngArrowWidth * scale_ / 2.0;
    const bool blnHead = s.intArrowStyle != 1 && L > 0;
    // A closed head takes the line's end; the shaft stops at its base.
    const bool blnClosed = blnHead && s.intArrowStyle != 3;
    const QPointF shaftEnd =
        blnClosed && dblLength > L ? b - u * (s.intArrowStyle == 4 ? L / 2 : L) : b;
    p_.setBrush(Qt::NoBrush);
    p_.setPen(LinePen(s, lngColor, dblAlpha));
    if (!blnClosed || dblLength > L) p_.drawLine(QLineF(a, shaftEnd));
    if (!blnHead) return;
    const QPointF base = b - u * L;
    QPen pen(ColorOf(lngColor, dblAlpha), s.sngLineWeight * scale_, Qt::SolidLine, Qt::FlatCap,
             Qt::MiterJoin);
    switch (s.intArrowStyle) {
      case 3:  // open: two strokes back from the tip
        p_.setPen(pen);
        p_.drawPolyline(QPolygonF{base + n * W, b, base - n * W});
        return;
      case 5:  // diamond around the end
        p_.setPen(Qt::NoPen);
        p_.setBrush(ColorOf(lngColor, dblAlpha));
        p_.drawPolygon(QPolygonF{b + u * (L / 2), b + n * W, b - u * (L / 2), b - n * W});
        return;
      case 6: {  // oval around the end
        p_.setPen(Qt::NoPen);
        p_.setBrush(ColorOf(lngColor, dblAlpha));
        p_.save();
        p_.translate(b);
        p_.rotate(std::atan2(u.y(), u.x()) * 180.0 / M_PI);
        p_.drawEllipse(QRectF(-L / 2, -W, L, 2 * W));
        p_.restore();
        return;
      }
      case 4:  // stealth: a triangle notched at its base
        p_.setPen(Qt::NoPen);
        p_.setBrush(ColorOf(lngColor, dblAlpha));
        p_.drawPolygon(QPolygonF{b, base + n * W, b - u * (L / 2), base - n * W});
        return;
      default:  // triangle
        p_.setPen(Qt::NoPen);
        p_.setBrush(ColorOf(lngColor, dblAlpha));
        p_.drawPolygon(QPolygonF{b, base + n * W, base - n * W});
        return;
    }
  }

  void Shapes() {
    for (const excel::PageShape& s : doc_.drawing.shapes) {
      const double pad = 6.0 + std::max(s.sngArrowLength, s.sngArrowWidth);
      if (!Meets(view_, std::min(s.dblX1, s.dblX2) - pad, std::min(s.dblY1, s.dblY2) - pad,
                 std::max(s.dblX1, s.dblX2) + pad, std::max(s.dblY1, s.dblY2) + pad))
        continue;
      const bool blnEllipse = s.kind == excel::PageShapeKind::Ellipse;
      if (s.blnShadow) {
        if (blnEllipse) {
          Ellipse(s, s.sngShadowX, s.sngShadowY, true);
        } else {
          Line(s, s.sngShadowX, s.sngShadowY, true);
        }
      }
      if (blnEllipse) {
        Ellipse(s, 0, 0, false);
      } else {
        Line(s, 0, 0, false);
      }
    }
  }

  QPainter& p_;
  const excel::PageDocument& doc_;
  const excel::PrintedPage& page_;
  double units_;  // device units per paper point
  double scale_;  // device units per sheet point
  QStringList families_;
  PageRect view_;    // the part of the sheet this page shows, in sheet points
  QRectF pageClip_;  // the same on the device
  double dpi_ = 72;
};

}  // namespace

void PaintPage(QPainter& painter, const excel::PageDocument& document,
               const excel::PrintedPage& page, double dblUnitsPerPoint, const QRectF& area) {
  PagePainter(painter, document, page, dblUnitsPerPoint, area).Paint();
}

}  // namespace render
