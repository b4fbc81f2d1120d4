#pragma once
// The sheets' shapes as OfficeArt, the drawing format of the binary Office files.
//
// The drawing group (MSODRAWINGGROUP in the globals) tells which shape identifiers each drawing
// holds, in clusters of 1,024. Each sheet with shapes has one drawing: a drawing container whose
// group holds a container for every shape, back to front. The first MSODRAWING record of a sheet
// opens the drawing and its group and holds the first shape; every further shape has an
// MSODRAWING record of its own; each is followed by the OBJ record that Excel expects behind a
// shape. The lengths of the open containers count all the shapes that follow, so the shapes are
// measured before they are written.
//
// A shape is anchored to cells: the column and row of its box's top-left and bottom-right
// corner, the offsets in 1/1024 of the column's width and 1/256 of the row's height. An oval
// moves with its cells and keeps its size; a line moves and stretches with them, its flips
// saying which corner its begin point is.

#include <cstdint>
#include <vector>

#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/xls/RecordWriter.h"

namespace excel::xls {

// The shape identifiers of the drawings: drawing d (1-based) of a workbook.
class ShapeIds {
 public:
  // shapeCounts: the shapes of each sheet that has any.
  explicit ShapeIds(const std::vector<std::size_t>& shapeCounts);

  // The identifier of the drawing's group (index 0) and its shapes (1 to count).
  std::uint32_t Id(std::size_t drawing, std::size_t index) const;
  std::uint32_t LastId(std::size_t drawing) const;

  // MSODRAWINGGROUP's data: the drawing group container.
  Bytes DrawingGroup() const;

 private:
  struct Cluster {
    std::uint32_t drawing;  // 1-based
    std::uint32_t used;
  };
  std::vector<std::size_t> counts_;
  std::vector<std::size_t> firstCluster_;  // of each drawing
  std::vector<Cluster> clusters_;
};

// Writes the sheet's drawing (MSODRAWING and OBJ records); nothing for a sheet without shapes.
void WriteDrawing(RecordWriter& out, const file::SheetView& sheet, const ShapeIds& ids,
                  std::size_t drawing);

}  // namespace excel::xls
