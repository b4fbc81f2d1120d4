#include "platform/excel/Shapes.h"

#include <fmt/format.h>

#include <algorithm>
#include <numeric>

#include "platform/excel/ShapeChecks.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/ShapeStore.h"

namespace excel {

using shapecheck::RequireBetween;

namespace {

// A newly added line: Excel's default, a black line of 0.75 points without arrowheads.
ShapeRecord NewLineRecord() {
  ShapeRecord record;
  record.kind = ShapeKind::Line;
  record.blnFillVisible = false;
  return record;
}

}  // namespace

Shapes::Shapes() : store_(std::make_unique<ShapeStore>()) {}
Shapes::~Shapes() = default;
Shapes::Shapes(Shapes&&) noexcept = default;
Shapes& Shapes::operator=(Shapes&&) noexcept = default;

Shape Shapes::AddShape(std::int32_t Type, double Left, double Top, double Width, double Height) {
  if (Type != msoShapeOval) {
    throw Error(vb::kErrInvalidProcedureCall,
                fmt::format("Shapes.AddShape: der Formtyp {} wird nicht unterstützt (nur {}, "
                            "die Ellipse)",
                            Type, msoShapeOval));
  }
  RequireBetween("Shapes.AddShape Left", Left, 0.0, kMaxCoordinate);
  RequireBetween("Shapes.AddShape Top", Top, 0.0, kMaxCoordinate);
  RequireBetween("Shapes.AddShape Width", Width, 0.0, kMaxCoordinate - Left);
  RequireBetween("Shapes.AddShape Height", Height, 0.0, kMaxCoordinate - Top);
  ShapeRecord record;
  record.dblX1 = Left;
  record.dblY1 = Top;
  record.dblX2 = Left + Width;
  record.dblY2 = Top + Height;
  return Add(record);
}

Shape Shapes::AddLine(double BeginX, double BeginY, double EndX, double EndY) {
  ShapeRecord record = NewLineRecord();
  record.dblX1 = RequireBetween("Shapes.AddLine BeginX", BeginX, 0.0, kMaxCoordinate);
  record.dblY1 = RequireBetween("Shapes.AddLine BeginY", BeginY, 0.0, kMaxCoordinate);
  record.dblX2 = RequireBetween("Shapes.AddLine EndX", EndX, 0.0, kMaxCoordinate);
  record.dblY2 = RequireBetween("Shapes.AddLine EndY", EndY, 0.0, kMaxCoordinate);
  return Add(record);
}

Shape Shapes::Add(const ShapeRecord& record) {
  store_->records.push_back(record);
  store_->records.back().lngZ = ++store_->lngFrontZ;
  return Shape(store_.get(), static_cast<std::int32_t>(store_->records.size() - 1));
}

std::int32_t Shapes::Count() const {
  return static_cast<std::int32_t>(store_->records.size());
}

Shape Shapes::Item(std::int32_t Index) {
  if (Index < 1 || Index > Count()) {
    throw Error(vb::kErrInvalidProcedureCall,
                fmt::format("Shapes.Item: es gibt keine Form {} (vorhanden: {})", Index, Count()));
  }
  return Shape(store_.get(), Index - 1);
}

const ShapeRecord& Shapes::Record(std::int32_t index) const {
  return store_->At(index);
}

std::vector<std::int32_t> Shapes::DrawingOrder() const {
  std::vector<std::int32_t> order(store_->records.size());
  std::iota(order.begin(), order.end(), 0);
  const auto& records = store_->records;
  std::sort(order.begin(), order.end(), [&records](std::int32_t a, std::int32_t b) {
    return records[static_cast<std::size_t>(a)].lngZ < records[static_cast<std::size_t>(b)].lngZ;
  });
  return order;
}

void Shapes::Reserve(std::int32_t count) {
  store_->records.reserve(static_cast<std::size_t>(std::max(count, 0)));
}

}  // namespace excel
