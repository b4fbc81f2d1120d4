#include "platform/excel/xls/OfficeArt.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/excel/CellAnchors.h"
#include "platform/excel/DrawingGradient.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/xls/UnicodeText.h"
#include "platform/excel/xls/XlsWriter.h"

namespace excel::xls {

namespace {

constexpr std::uint16_t kMsoDrawing = 0x00EC;
constexpr std::uint16_t kObj = 0x005D;

// Record types of OfficeArt.
constexpr std::uint16_t kDggContainer = 0xF000;
constexpr std::uint16_t kDgContainer = 0xF002;
constexpr std::uint16_t kSpgrContainer = 0xF003;
constexpr std::uint16_t kSpContainer = 0xF004;
constexpr std::uint16_t kFdgg = 0xF006;
constexpr std::uint16_t kFdg = 0xF008;
constexpr std::uint16_t kFspgr = 0xF009;
constexpr std::uint16_t kFsp = 0xF00A;
constexpr std::uint16_t kFopt = 0xF00B;
constexpr std::uint16_t kClientAnchor = 0xF010;
constexpr std::uint16_t kClientData = 0xF011;
constexpr std::uint16_t kSplitMenuColors = 0xF11E;

constexpr std::size_t kArtRecordHeader = 8;
constexpr std::uint32_t kIdsPerCluster = 1024;
constexpr std::uint32_t kEllipse = 3;  // shape types
constexpr std::uint32_t kLine = 20;

// Shape flags.
constexpr std::uint32_t kGroup = 0x0001;
constexpr std::uint32_t kPatriarch = 0x0004;
constexpr std::uint32_t kFlipH = 0x0040;
constexpr std::uint32_t kFlipV = 0x0080;
constexpr std::uint32_t kHaveAnchor = 0x0200;
constexpr std::uint32_t kHaveShapeType = 0x0800;

constexpr double kEmuPerPointF = 12700.0;

void Header(Bytes& out, std::uint32_t version, std::uint32_t instance, std::uint16_t type,
            std::uint32_t length) {
  out.U16(version | (instance << 4)).U16(type).U32(length);
}

// The property table of one shape: simple values, and complex ones whose data follows the table.
class Properties {
 public:
  void Add(std::uint16_t id, std::uint32_t value) { entries_.push_back({id, value, {}}); }
  void AddText(std::uint16_t id, const std::string& text) {
    Bytes data;
    AppendCharacters(data, Utf16(text), true);
    data.U16(0);
    entries_.push_back({static_cast<std::uint16_t>(id | 0x8000),
                        static_cast<std::uint32_t>(data.Size()), data.Data()});
  }
  void Write(Bytes& out) {
    std::sort(entries_.begin(), entries_.end(),
              [](const Entry& a, const Entry& b) { return (a.id & 0x3FFF) < (b.id & 0x3FFF); });
    std::uint32_t length = 0;
    for (const Entry& entry : entries_) length += 6 + static_cast<std::uint32_t>(entry.data.size());
    Header(out, 3, static_cast<std::uint32_t>(entries_.size()), kFopt, length);
    for (const Entry& entry : entries_) out.U16(entry.id).U32(entry.value);
    for (const Entry& entry : entries_) out.Append(entry.data);
  }

 private:
  struct Entry {
    std::uint16_t id;
    std::uint32_t value;
    std::string data;
  };
  std::vector<Entry> entries_;
};

std::uint32_t Color(std::int32_t color) {
  return static_cast<std::uint32_t>(color) & 0xFFFFFF;
}

// A fraction as 16.16 fixed point.
std::uint32_t Fixed(double value) {
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(value * 65536)));
}

std::uint32_t Emu(double points) {
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(points * kEmuPerPointF)));
}

// Office's arrowheads (msoArrowheadStyle 1 to 6) in the file's terms.
std::uint32_t Arrowhead(std::uint8_t style) {
  static constexpr std::uint32_t kHeads[] = {0, 0, 1, 5, 2, 3, 4};
  return style < std::size(kHeads) ? kHeads[style] : 0;
}

// Dashes (msoLineDashStyle 1 to 12) and compound lines (msoLineStyle 1 to 5).
std::uint32_t Dashing(std::uint8_t style) {
  static constexpr std::uint32_t kDashes[] = {0, 0, 2, 5, 6, 8, 4, 7, 9, 10, 1, 2, 3};
  return style < std::size(kDashes) ? kDashes[style] : 0;
}
std::uint32_t Compound(std::uint8_t style) {
  static constexpr std::uint32_t kStyles[] = {0, 0, 1, 3, 2, 4};
  return style < std::size(kStyles) ? kStyles[style] : 0;
}

void FillProperties(Properties& props, const ShapeRecord& r) {
  if (!r.blnFillVisible) {
    props.Add(0x01BF, 0x00100000);  // not filled
    return;
  }
  if (r.sngFillTransparency > 0) props.Add(0x0182, Fixed(1.0 - r.sngFillTransparency));
  if (r.intGradientStyle == 0) {
    props.Add(0x0181, Color(r.lngFillColor));
  } else {
    const GradientLayout layout = OneColorGradientLayout(r.intGradientStyle, r.intGradientVariant,
                                                         r.sngGradientDegree, r.lngFillColor);
    const GradientStop& first = layout.stops[0];
    const GradientStop& last = layout.stops[layout.intStopCount - 1];
    if (layout.blnPath) {
      // Shaded from the focus rectangle in the fill colour (the first stop, at the path's
      // centre) to the shape's outline (or box) in the back colour.
      props.Add(0x0180, layout.blnCircle ? 6 : 5);
      props.Add(0x0181, Color(first.lngColor));
      props.Add(0x0183, Color(last.lngColor));
      props.Add(0x018C, 100);
      props.Add(0x018D, Fixed(layout.lngFillLeft / 100000.0));
      props.Add(0x018E, Fixed(layout.lngFillTop / 100000.0));
      props.Add(0x018F, Fixed(1.0 - layout.lngFillRight / 100000.0));
      props.Add(0x0190, Fixed(1.0 - layout.lngFillBottom / 100000.0));
    } else {
      // Linear: from the fill colour to the back colour across the angle; a middle stop puts
      // the back colour in the middle.
      props.Add(0x0180, 7);
      props.Add(0x0181, Color(first.lngColor));
      props.Add(0x0183, Color(layout.intStopCount == 3 ? layout.stops[1].lngColor : last.lngColor));
      props.Add(0x018B, Fixed(-(layout.lngAngle / 60000.0) + 90.0));
      props.Add(0x018C, layout.intStopCount == 3 ? 50 : 100);
    }
    if (r.sngFillTransparency > 0) props.Add(0x0184, Fixed(1.0 - r.sngFillTransparency));
  }
  props.Add(0x01BF, 0x00100010);  // filled
}

void LineProperties(Properties& props, const ShapeRecord& r) {
  if (!r.blnLineVisible) {
    props.Add(0x01FF, 0x00080000);  // no line
    return;
  }
  props.Add(0x01C0, Color(r.lngLineColor));
  if (r.sngLineTransparency > 0) props.Add(0x01C1, Fixed(1.0 - r.sngLineTransparency));
  props.Add(0x01CB, Emu(r.sngLineWeight));
  if (Compound(r.intLineStyle) != 0) props.Add(0x01CD, Compound(r.intLineStyle));
  if (Dashing(r.intDashStyle) != 0) props.Add(0x01CE, Dashing(r.intDashStyle));
  if (r.intDashStyle == msoLineRoundDot) props.Add(0x01D7, 0);  // round caps
  if (r.kind == ShapeKind::Line) {
    // Both ends: no head at the begin point, the end's head with its width and length.
    props.Add(0x01D0, 0);
    props.Add(0x01D1, Arrowhead(r.intEndArrowStyle));
    props.Add(0x01D2, 1);
    props.Add(0x01D3, 1);
    props.Add(0x01D4, static_cast<std::uint32_t>(std::clamp<int>(r.intEndArrowWidth, 1, 3) - 1));
    props.Add(0x01D5, static_cast<std::uint32_t>(std::clamp<int>(r.intEndArrowLength, 1, 3) - 1));
  }
  props.Add(0x01FF, 0x00080008);  // a line
}

void ShadowProperties(Properties& props, const ShapeRecord& r) {
  if (r.intShadowType == 0) return;
  props.Add(0x0200, 0);  // offset shadow
  props.Add(0x0201, Color(r.lngShadowColor));
  props.Add(0x0205, Emu(r.sngShadowOffsetX));
  props.Add(0x0206, Emu(r.sngShadowOffsetY));
  props.Add(0x023F, 0x00020002);  // shadowed
}

struct Anchor {
  std::uint16_t column1, dx1, row1, dy1, column2, dx2, row2, dy2;
};

// Cell and offset of a point, the offset in 1/scale of the cell's size.
class AnchorGrid {
 public:
  explicit AnchorGrid(const file::SheetView& sheet) : sheet_(sheet), cells_(sheet) {}

  void Column(double points, std::uint16_t& cell, std::uint16_t& offset) {
    const CellOffset found = cells_.Column(std::llround(points * kEmuPerPointF));
    Fraction(found, sheet_.ColumnWidthPoints(found.cell + 1), 1024, 255, cell, offset);
  }
  void Row(double points, std::uint16_t& cell, std::uint16_t& offset) {
    const CellOffset found = cells_.Row(std::llround(points * kEmuPerPointF));
    Fraction(found, sheet_.RowHeightPoints(found.cell + 1), 256, 65535, cell, offset);
  }

 private:
  static void Fraction(const CellOffset& found, double size, double scale, std::int32_t lastCell,
                       std::uint16_t& cell, std::uint16_t& offset) {
    cell = static_cast<std::uint16_t>(std::min(found.cell, lastCell));
    const double part = size > 0 ? found.offset / (size * kEmuPerPointF) : 0.0;
    offset = static_cast<std::uint16_t>(
        std::clamp<long>(std::lround(part * scale), 0, static_cast<long>(scale) - 1));
  }

  const file::SheetView& sheet_;
  CellAnchors cells_;
};

void AppendShape(Bytes& out, const ShapeRecord& r, std::int32_t index, std::uint32_t id,
                 const Anchor& anchor) {
  const bool line = r.kind == ShapeKind::Line;
  Properties props;
  if (!line) FillProperties(props, r);
  LineProperties(props, r);
  ShadowProperties(props, r);
  props.AddText(0x0380, (line ? "Gerade Verbindung " : "Ellipse ") + std::to_string(index + 1));

  Bytes body;
  std::uint32_t flags = kHaveAnchor | kHaveShapeType;
  if (line && r.dblX2 < r.dblX1) flags |= kFlipH;
  if (line && r.dblY2 < r.dblY1) flags |= kFlipV;
  Header(body, 2, line ? kLine : kEllipse, kFsp, 8);
  body.U32(id).U32(flags);
  props.Write(body);
  Header(body, 0, 0, kClientAnchor, 18);
  body.U16(line ? 0x0000 : 0x0002)  // a line stretches with its cells, an oval keeps its size
      .U16(anchor.column1)
      .U16(anchor.dx1)
      .U16(anchor.row1)
      .U16(anchor.dy1)
      .U16(anchor.column2)
      .U16(anchor.dx2)
      .U16(anchor.row2)
      .U16(anchor.dy2);
  Header(body, 0, 0, kClientData, 0);

  Header(out, 0xF, 0, kSpContainer, static_cast<std::uint32_t>(body.Size()));
  out.Append(body.Data());
}

// The object identifier of the shape at the place in the drawing (0-based): 1 to 65,535, unique
// on the sheet as the format asks; beyond them the identifiers begin again at 1, since the
// format has no others (kNumberedShapes).
std::uint16_t ObjectId(std::size_t ordinal) {
  return static_cast<std::uint16_t>(ordinal % kNumberedShapes + 1);
}

// OBJ: the common object data (kind, identifier, flags) and the end.
Bytes ObjRecord(const ShapeRecord& r, std::size_t ordinal) {
  Bytes obj;
  obj.U16(0x0015).U16(0x0012);
  obj.U16(r.kind == ShapeKind::Line ? 1 : 3);
  obj.U16(ObjectId(ordinal));
  obj.U16(0x6011);  // locked, printed, automatic fill and line
  obj.Zeros(12);
  obj.U32(0);
  return obj;
}

}  // namespace

ShapeIds::ShapeIds(const std::vector<std::size_t>& shapeCounts) : counts_(shapeCounts) {
  for (std::size_t d = 0; d < counts_.size(); ++d) {
    firstCluster_.push_back(clusters_.size());
    std::size_t ids = counts_[d] + 1;  // the group has one too
    while (ids > 0) {
      const auto used = static_cast<std::uint32_t>(std::min<std::size_t>(ids, kIdsPerCluster));
      clusters_.push_back({static_cast<std::uint32_t>(d + 1), used});
      ids -= used;
    }
  }
}

std::uint32_t ShapeIds::Id(std::size_t drawing, std::size_t index) const {
  const std::size_t cluster = firstCluster_[drawing - 1] + index / kIdsPerCluster;
  return static_cast<std::uint32_t>((cluster + 1) * kIdsPerCluster + index % kIdsPerCluster);
}

std::uint32_t ShapeIds::LastId(std::size_t drawing) const {
  return Id(drawing, counts_[drawing - 1]);
}

Bytes ShapeIds::DrawingGroup() const {
  std::size_t shapes = 0;
  for (std::size_t count : counts_) shapes += count + 1;
  Bytes body;
  Header(body, 0, 0, kFdgg, static_cast<std::uint32_t>(16 + 8 * clusters_.size()));
  body.U32(counts_.empty() ? kIdsPerCluster : LastId(counts_.size()) + 1)
      .U32(static_cast<std::uint32_t>(clusters_.size() + 1))
      .U32(static_cast<std::uint32_t>(shapes))
      .U32(static_cast<std::uint32_t>(counts_.size()));
  for (const Cluster& cluster : clusters_) body.U32(cluster.drawing).U32(cluster.used);
  // The defaults of new shapes, and the colours of the drawing toolbar's split menus.
  Header(body, 3, 3, kFopt, 18);
  body.U16(0x00BF).U32(0x00080008).U16(0x0181).U32(0x08000041).U16(0x01C0).U32(0x08000040);
  Header(body, 0, 4, kSplitMenuColors, 16);
  body.U32(0x0800000D).U32(0x0800000C).U32(0x08000017).U32(0x100000F7);

  Bytes out;
  Header(out, 0xF, 0, kDggContainer, static_cast<std::uint32_t>(body.Size()));
  out.Append(body.Data());
  return out;
}

void WriteDrawing(RecordWriter& out, const file::SheetView& sheet, const ShapeIds& ids,
                  std::size_t drawing) {
  const Shapes& shapes = sheet.ShapeList();
  if (shapes.Count() == 0) return;
  const std::vector<std::int32_t> order = shapes.DrawingOrder();

  // Every shape container, measured first: the drawing's containers count them all.
  const Anchor none{};
  std::uint64_t shapeBytes = 0;
  Bytes scratch;
  for (std::int32_t index : order) {
    scratch.Clear();
    AppendShape(scratch, shapes.Record(index), index, 0, none);
    shapeBytes += scratch.Size();
  }
  const std::uint64_t groupBytes =
      kArtRecordHeader + (kArtRecordHeader + 16) + (kArtRecordHeader + 8);
  const std::uint64_t spgrBytes = groupBytes + shapeBytes;
  const std::uint64_t dgBytes = (kArtRecordHeader + 8) + kArtRecordHeader + spgrBytes;

  Bytes head;
  Header(head, 0xF, 0, kDgContainer, static_cast<std::uint32_t>(dgBytes));
  Header(head, 0, static_cast<std::uint32_t>(drawing), kFdg, 8);
  head.U32(static_cast<std::uint32_t>(order.size() + 1)).U32(ids.LastId(drawing));
  Header(head, 0xF, 0, kSpgrContainer, static_cast<std::uint32_t>(spgrBytes));
  Header(head, 0xF, 0, kSpContainer, static_cast<std::uint32_t>(groupBytes - kArtRecordHeader));
  Header(head, 1, 0, kFspgr, 16);
  head.Zeros(16);
  Header(head, 2, 0, kFsp, 8);
  head.U32(ids.Id(drawing, 0)).U32(kGroup | kPatriarch);

  AnchorGrid grid(sheet);
  Bytes record = std::move(head);
  for (std::size_t n = 0; n < order.size(); ++n) {
    const ShapeRecord& r = shapes.Record(order[n]);
    Anchor anchor{};
    grid.Column(std::min(r.dblX1, r.dblX2), anchor.column1, anchor.dx1);
    grid.Row(std::min(r.dblY1, r.dblY2), anchor.row1, anchor.dy1);
    grid.Column(std::max(r.dblX1, r.dblX2), anchor.column2, anchor.dx2);
    grid.Row(std::max(r.dblY1, r.dblY2), anchor.row2, anchor.dy2);
    AppendShape(record, r, order[n], ids.Id(drawing, n + 1), anchor);
    out.Write(kMsoDrawing, record);
    out.Write(kObj, ObjRecord(r, n));
    record.Clear();
  }
}

}  // namespace excel::xls
