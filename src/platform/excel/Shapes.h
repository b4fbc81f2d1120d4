#pragma once
// The shapes of one worksheet, as Excel's Shapes collection: ovals and straight lines placed in
// points from the sheet's top-left corner. The shapes live in one compact list; the Shape
// objects handed out are handles into it.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/excel/Shape.h"
#include "platform/excel/ShapeRecord.h"

namespace excel {

struct ShapeStore;

class Shapes {
 public:
  // The largest coordinate a shape may have: the bottom of the largest sheet Excel allows.
  static constexpr double kMaxCoordinate = 1048576.0 * 409.0;

  Shapes();
  ~Shapes();
  Shapes(Shapes&&) noexcept;
  Shapes& operator=(Shapes&&) noexcept;
  Shapes(const Shapes&) = delete;
  Shapes& operator=(const Shapes&) = delete;

  // Type msoShapeOval (9) is the only one drawn; any other throws excel::Error.
  Shape AddShape(std::int32_t Type, double Left, double Top, double Width, double Height);
  // A straight line from the begin point to the end point (where an arrowhead goes).
  Shape AddLine(double BeginX, double BeginY, double EndX, double EndY);
  std::int32_t Count() const;
  Shape Item(std::int32_t Index);  // 1 to Count(), in the order the shapes were added

  // For the drawing writer: the records by creation number (0-based) and the creation
  // numbers in drawing order, back to front.
  const ShapeRecord& Record(std::int32_t index) const;
  std::vector<std::int32_t> DrawingOrder() const;

  // Reserves room for this many shapes.
  void Reserve(std::int32_t count);

 private:
  Shape Add(const ShapeRecord& record);
  std::unique_ptr<ShapeStore> store_;
};

}  // namespace excel
