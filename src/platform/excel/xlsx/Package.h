#pragma once
// The parts of the .xlsx package, described once: every kind of part with its name, its
// content type and the relationship by which the part that owns it refers to it. The content
// types, the relationship parts and the references between the parts (the workbook's sheets,
// a sheet's drawing) are all written from this description.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/excel/xlsx/XmlWriter.h"

namespace excel::xlsx {

enum class PartKind { kWorkbook, kSheet, kDrawing, kStyles };

struct Part {
  PartKind kind;
  std::size_t sheet = 0;       // sheets and drawings: the 0-based sheet
  std::string name;            // in the archive: "xl/worksheets/sheet1.xml"
  std::size_t owner = 0;       // the part that refers to it, or Package::kRoot
  std::string relationshipId;  // "rId1", among the owner's relationships
};

class Package {
 public:
  // The package itself, as the owner of the workbook part.
  static constexpr std::size_t kRoot = static_cast<std::size_t>(-1);

  // drawings[i]: sheet i has shapes, and so a drawing part.
  explicit Package(const std::vector<bool>& drawings);

  // The workbook first, each sheet followed by its drawing, the styles last.
  const std::vector<Part>& Parts() const { return parts_; }
  const Part& SheetPart(std::size_t sheet) const;
  // nullptr: the sheet has no drawing.
  const Part* DrawingPart(std::size_t sheet) const;

  static constexpr std::string_view kContentTypesName = "[Content_Types].xml";
  void WriteContentTypes(XmlWriter& xml) const;

  // The parts that refer to others (kRoot among them), each with a relationship part.
  std::vector<std::size_t> Owners() const;
  // "_rels/.rels", "xl/_rels/workbook.xml.rels" …
  std::string RelationshipsName(std::size_t owner) const;
  void WriteRelationships(XmlWriter& xml, std::size_t owner) const;

 private:
  std::vector<Part> parts_;
};

// The path of target as seen from the folder of the part source ("xl/worksheets/sheet1.xml",
// "xl/drawings/drawing1.xml": "../drawings/drawing1.xml"); from the root, target as it is.
std::string RelativeTarget(std::string_view source, std::string_view target);

}  // namespace excel::xlsx
