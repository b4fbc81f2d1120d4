#include "platform/excel/Shape.h"

#include <algorithm>

#include "platform/excel/ShapeChecks.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/ShapeStore.h"

namespace excel {

using shapecheck::RequireBetween;
using shapecheck::RequireColor;
using shapecheck::RequireInSet;

namespace {

constexpr double kMaxLineWeight = 1584.0;    // Excel's thickest line, in points
constexpr double kMaxShadowOffset = 4000.0;  // as far as Excel lets a shadow move

}  // namespace

// ColorFormat

std::int32_t ColorFormat::RGB() const {
  return store_->At(index_).*field_;
}

void ColorFormat::RGB(std::int32_t value) {
  store_->At(index_).*field_ = RequireColor("ColorFormat.RGB", value);
}

// FillFormat

double FillFormat::Transparency() const {
  return store_->At(index_).sngFillTransparency;
}

void FillFormat::Transparency(double value) {
  store_->At(index_).sngFillTransparency =
      static_cast<float>(RequireBetween("Fill.Transparency", value, 0.0, 1.0));
}

bool FillFormat::Visible() const {
  return store_->At(index_).blnFillVisible;
}
void FillFormat::Visible(bool value) {
  store_->At(index_).blnFillVisible = value;
}

ColorFormat FillFormat::ForeColor() const {
  return {store_, index_, &ShapeRecord::lngFillColor};
}

void FillFormat::OneColorGradient(std::int32_t style, std::int32_t variant, double degree) {
  RequireInSet("Fill.OneColorGradient Style", style, msoGradientHorizontal, msoGradientFromCenter);
  const bool blnTwoVariants = style == msoGradientFromTitle || style == msoGradientFromCenter;
  RequireInSet("Fill.OneColorGradient Variant", variant, 1, blnTwoVariants ? 2 : 4);
  RequireBetween("Fill.OneColorGradient Degree", degree, 0.0, 1.0);
  ShapeRecord& record = store_->At(index_);
  record.intGradientStyle = static_cast<std::uint8_t>(style);
  record.intGradientVariant = static_cast<std::uint8_t>(variant);
  record.sngGradientDegree = static_cast<float>(degree);
}

std::int32_t FillFormat::GradientStyle() const {
  return store_->At(index_).intGradientStyle;
}
std::int32_t FillFormat::GradientVariant() const {
  return store_->At(index_).intGradientVariant;
}
double FillFormat::GradientDegree() const {
  return store_->At(index_).sngGradientDegree;
}

// LineFormat

double LineFormat::Weight() const {
  return store_->At(index_).sngLineWeight;
}

void LineFormat::Weight(double value) {
  store_->At(index_).sngLineWeight =
      static_cast<float>(RequireBetween("Line.Weight", value, 0.0, kMaxLineWeight));
}

std::int32_t LineFormat::DashStyle() const {
  return store_->At(index_).intDashStyle;
}

void LineFormat::DashStyle(std::int32_t value) {
  store_->At(index_).intDashStyle = static_cast<std::uint8_t>(
      RequireInSet("Line.DashStyle", value, msoLineSolid, msoLineSysDashDot));
}

std::int32_t LineFormat::Style() const {
  return store_->At(index_).intLineStyle;
}

void LineFormat::Style(std::int32_t value) {
  store_->At(index_).intLineStyle = static_cast<std::uint8_t>(
      RequireInSet("Line.Style", value, msoLineSingle, msoLineThickBetweenThin));
}

double LineFormat::Transparency() const {
  return store_->At(index_).sngLineTransparency;
}

void LineFormat::Transparency(double value) {
  store_->At(index_).sngLineTransparency =
      static_cast<float>(RequireBetween("Line.Transparency", value, 0.0, 1.0));
}

bool LineFormat::Visible() const {
  return store_->At(index_).blnLineVisible;
}
void LineFormat::Visible(bool value) {
  store_->At(index_).blnLineVisible = value;
}

ColorFormat LineFormat::ForeColor() const {
  return {store_, index_, &ShapeRecord::lngLineColor};
}

ColorFormat LineFormat::BackColor() const {
  return {store_, index_, &ShapeRecord::lngLineBackColor};
}

std::int32_t LineFormat::EndArrowheadStyle() const {
  return store_->At(index_).intEndArrowStyle;
}

void LineFormat::EndArrowheadStyle(std::int32_t value) {
  store_->At(index_).intEndArrowStyle = static_cast<std::uint8_t>(
      RequireInSet("Line.EndArrowheadStyle", value, msoArrowheadNone, msoArrowheadOval));
}

std::int32_t LineFormat::EndArrowheadLength() const {
  return store_->At(index_).intEndArrowLength;
}

void LineFormat::EndArrowheadLength(std::int32_t value) {
  store_->At(index_).intEndArrowLength = static_cast<std::uint8_t>(
      RequireInSet("Line.EndArrowheadLength", value, msoArrowheadShort, msoArrowheadLong));
}

std::int32_t LineFormat::EndArrowheadWidth() const {
  return store_->At(index_).intEndArrowWidth;
}

void LineFormat::EndArrowheadWidth(std::int32_t value) {
  store_->At(index_).intEndArrowWidth = static_cast<std::uint8_t>(
      RequireInSet("Line.EndArrowheadWidth", value, msoArrowheadNarrow, msoArrowheadWide));
}

// ShadowFormat

std::int32_t ShadowFormat::Type() const {
  return store_->At(index_).intShadowType;
}

void ShadowFormat::Type(std::int32_t value) {
  RequireInSet("Shadow.Type", value, msoShadow1, msoShadow20);
  ShapeRecord& record = store_->At(index_);
  record.intShadowType = static_cast<std::uint8_t>(value);
  record.sngShadowOffsetX = static_cast<float>(kTypeOffset);
  record.sngShadowOffsetY = static_cast<float>(kTypeOffset);
}

bool ShadowFormat::Visible() const {
  return store_->At(index_).intShadowType != 0;
}
double ShadowFormat::OffsetX() const {
  return store_->At(index_).sngShadowOffsetX;
}
double ShadowFormat::OffsetY() const {
  return store_->At(index_).sngShadowOffsetY;
}

void ShadowFormat::IncrementOffsetX(double increment) {
  float& offset = store_->At(index_).sngShadowOffsetX;
  offset = static_cast<float>(RequireBetween("Shadow.IncrementOffsetX", offset + increment,
                                             -kMaxShadowOffset, kMaxShadowOffset));
}

void ShadowFormat::IncrementOffsetY(double increment) {
  float& offset = store_->At(index_).sngShadowOffsetY;
  offset = static_cast<float>(RequireBetween("Shadow.IncrementOffsetY", offset + increment,
                                             -kMaxShadowOffset, kMaxShadowOffset));
}

ColorFormat ShadowFormat::ForeColor() const {
  return {store_, index_, &ShapeRecord::lngShadowColor};
}

// Shape

void Shape::ZOrder(std::int32_t cmd) {
  RequireInSet("Shape.ZOrder", cmd, msoBringToFront, msoSendBackward);
  ShapeRecord& record = store_->At(index_);
  switch (cmd) {
    case msoBringToFront:
      record.lngZ = ++store_->lngFrontZ;
      return;
    case msoSendToBack:
      record.lngZ = --store_->lngBackZ;
      return;
    default:
      break;
  }
  // One step forward or back: trade places with the nearest shape on that side.
  const bool blnForward = cmd == msoBringForward;
  ShapeRecord* neighbour = nullptr;
  for (ShapeRecord& other : store_->records) {
    const bool blnOnSide = blnForward ? other.lngZ > record.lngZ : other.lngZ < record.lngZ;
    if (!blnOnSide) continue;
    if (neighbour == nullptr ||
        (blnForward ? other.lngZ < neighbour->lngZ : other.lngZ > neighbour->lngZ)) {
      neighbour = &other;
    }
  }
  if (neighbour != nullptr) std::swap(record.lngZ, neighbour->lngZ);
}

std::int32_t Shape::ZOrderPosition() const {
  const std::int64_t lngZ = store_->At(index_).lngZ;
  const auto below = std::count_if(store_->records.begin(), store_->records.end(),
                                   [lngZ](const ShapeRecord& r) { return r.lngZ < lngZ; });
  return static_cast<std::int32_t>(below) + 1;
}

std::string Shape::Name() const {
  const char* prefix =
      store_->At(index_).kind == ShapeKind::Oval ? "Ellipse " : "Gerade Verbindung ";
  return prefix + std::to_string(index_ + 1);
}

std::int32_t Shape::Id() const {
  return index_ + 2;
}

double Shape::Left() const {
  const ShapeRecord& r = store_->At(index_);
  return std::min(r.dblX1, r.dblX2);
}

double Shape::Top() const {
  const ShapeRecord& r = store_->At(index_);
  return std::min(r.dblY1, r.dblY2);
}

double Shape::Width() const {
  const ShapeRecord& r = store_->At(index_);
  return std::abs(r.dblX2 - r.dblX1);
}

double Shape::Height() const {
  const ShapeRecord& r = store_->At(index_);
  return std::abs(r.dblY2 - r.dblY1);
}

}  // namespace excel
