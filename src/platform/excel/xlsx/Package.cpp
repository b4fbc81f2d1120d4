#include "platform/excel/xlsx/Package.h"

#include <algorithm>

namespace excel::xlsx {

namespace {

struct PartType {
  PartKind kind;
  std::string_view name;  // '#' stands for the sheet's number
  std::string_view contentType;
  std::string_view relationship;  // the type of the owner's relationship to the part
};

constexpr PartType kPartTypes[] = {
    {PartKind::kWorkbook, "xl/workbook.xml",
     "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"},
    {PartKind::kSheet, "xl/worksheets/sheet#.xml",
     "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet"},
    {PartKind::kDrawing, "xl/drawings/drawing#.xml",
     "application/vnd.openxmlformats-officedocument.drawing+xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing"},
    {PartKind::kStyles, "xl/styles.xml",
     "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml",
     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles"},
};

constexpr std::string_view kContentTypesNamespace =
    "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr std::string_view kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr std::string_view kRelationshipsContentType =
    "application/vnd.openxmlformats-package.relationships+xml";

const PartType& TypeOf(PartKind kind) {
  return *std::find_if(std::begin(kPartTypes), std::end(kPartTypes),
                       [kind](const PartType& type) { return type.kind == kind; });
}

std::string NameOf(PartKind kind, std::size_t sheet) {
  std::string name(TypeOf(kind).name);
  const std::size_t number = name.find('#');
  if (number != std::string::npos) name.replace(number, 1, std::to_string(sheet + 1));
  return name;
}

}  // namespace

Package::Package(const std::vector<bool>& drawings) {
  auto add = [this](PartKind kind, std::size_t sheet, std::size_t owner) {
    // The owner's relationships are numbered in the order of its parts.
    const auto siblings = std::count_if(parts_.begin(), parts_.end(),
                                        [owner](const Part& part) { return part.owner == owner; });
    parts_.push_back(
        {kind, sheet, NameOf(kind, sheet), owner, "rId" + std::to_string(siblings + 1)});
    return parts_.size() - 1;
  };
  const std::size_t workbook = add(PartKind::kWorkbook, 0, kRoot);
  for (std::size_t sheet = 0; sheet < drawings.size(); ++sheet) {
    const std::size_t part = add(PartKind::kSheet, sheet, workbook);
    if (drawings[sheet]) add(PartKind::kDrawing, sheet, part);
  }
  add(PartKind::kStyles, 0, workbook);
}

const Part& Package::SheetPart(std::size_t sheet) const {
  return *std::find_if(parts_.begin(), parts_.end(), [sheet](const Part& part) {
    return part.kind == PartKind::kSheet && part.sheet == sheet;
  });
}

const Part* Package::DrawingPart(std::size_t sheet) const {
  const auto found = std::find_if(parts_.begin(), parts_.end(), [sheet](const Part& part) {
    return part.kind == PartKind::kDrawing && part.sheet == sheet;
  });
  return found == parts_.end() ? nullptr : &*found;
}

void Package::WriteContentTypes(XmlWriter& xml) const {
  xml.Declaration();
  xml.Start("Types").Attribute("xmlns", kContentTypesNamespace);
  xml.Start("Default")
      .Attribute("Extension", "rels")
      .Attribute("ContentType", kRelationshipsContentType)
      .End();
  xml.Start("Default")
      .Attribute("Extension", "xml")
      .Attribute("ContentType", "application/xml")
      .End();
  for (const Part& part : parts_) {
    xml.Start("Override")
        .Attribute("PartName", "/" + part.name)
        .Attribute("ContentType", TypeOf(part.kind).contentType)
        .End();
  }
  xml.End();
}

std::vector<std::size_t> Package::Owners() const {
  std::vector<std::size_t> owners;
  for (const Part& part : parts_) {
    if (std::find(owners.begin(), owners.end(), part.owner) == owners.end()) {
      owners.push_back(part.owner);
    }
  }
  return owners;
}

std::string Package::RelationshipsName(std::size_t owner) const {
  if (owner == kRoot) return "_rels/.rels";
  const std::string& name = parts_[owner].name;
  const std::size_t slash = name.rfind('/');
  return name.substr(0, slash + 1) + "_rels/" + name.substr(slash + 1) + ".rels";
}

void Package::WriteRelationships(XmlWriter& xml, std::size_t owner) const {
  const std::string_view source = owner == kRoot ? std::string_view() : parts_[owner].name;
  xml.Declaration();
  xml.Start("Relationships").Attribute("xmlns", kRelationshipsNamespace);
  for (const Part& part : parts_) {
    if (part.owner != owner) continue;
    xml.Start("Relationship")
        .Attribute("Id", part.relationshipId)
        .Attribute("Type", TypeOf(part.kind).relationship)
        .Attribute("Target", RelativeTarget(source, part.name))
        .End();
  }
  xml.End();
}

std::string RelativeTarget(std::string_view source, std::string_view target) {
  const std::size_t folderEnd = source.rfind('/');
  std::string_view folder =
      folderEnd == std::string_view::npos ? std::string_view() : source.substr(0, folderEnd + 1);
  // Up from the source's folder until it is a folder of the target, then down.
  std::string up;
  while (target.substr(0, folder.size()) != folder) {
    const std::size_t parent = folder.substr(0, folder.size() - 1).rfind('/');
    folder = parent == std::string_view::npos ? std::string_view() : folder.substr(0, parent + 1);
    up += "../";
  }
  return up + std::string(target.substr(folder.size()));
}

}  // namespace excel::xlsx
