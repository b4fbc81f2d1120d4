#pragma once
// A drawn shape and its formats, as Excel's Shape, FillFormat, LineFormat, ShadowFormat and
// ColorFormat objects present them. Each is a light handle (the storage and the shape's
// number) that reads and writes the shape's record; it stays valid as long as the worksheet's
// Shapes exists. A value outside what Excel accepts throws excel::Error and changes nothing.

#include <cstdint>
#include <string>

#include "platform/excel/ShapeRecord.h"

namespace excel {

struct ShapeStore;

class ColorFormat {
 public:
  ColorFormat(ShapeStore* store, std::int32_t index, std::int32_t ShapeRecord::*field)
      : store_(store), index_(index), field_(field) {}
  std::int32_t RGB() const;
  void RGB(std::int32_t value);  // 0 to &HFFFFFF, red in the low byte

 private:
  ShapeStore* store_;
  std::int32_t index_;
  std::int32_t ShapeRecord::*field_;
};

class FillFormat {
 public:
  FillFormat(ShapeStore* store, std::int32_t index) : store_(store), index_(index) {}
  double Transparency() const;
  void Transparency(double value);  // 0 (opaque) to 1
  bool Visible() const;
  void Visible(bool value);
  ColorFormat ForeColor() const;
  // A gradient of the fore colour and a darker or lighter shade of it. style: msoGradient...
  // (1 to 7); variant 1 to 4 (1 or 2 from the title or the centre); degree from 0.0 (the shade
  // is black) over 0.5 (the colour itself) to 1.0 (white).
  void OneColorGradient(std::int32_t style, std::int32_t variant, double degree);
  std::int32_t GradientStyle() const;  // 0 while the fill is solid
  std::int32_t GradientVariant() const;
  double GradientDegree() const;

 private:
  ShapeStore* store_;
  std::int32_t index_;
};

class LineFormat {
 public:
  LineFormat(ShapeStore* store, std::int32_t index) : store_(store), index_(index) {}
  double Weight() const;
  void Weight(double value);  // points, 0 to 1584
  std::int32_t DashStyle() const;
  void DashStyle(std::int32_t value);  // msoLine... 1 to 12
  std::int32_t Style() const;
  void Style(std::int32_t value);  // msoLineSingle ... msoLineThickBetweenThin, 1 to 5
  double Transparency() const;
  void Transparency(double value);
  bool Visible() const;
  void Visible(bool value);
  ColorFormat ForeColor() const;
  ColorFormat BackColor() const;  // kept; it shows only in patterned lines, which are not drawn
  std::int32_t EndArrowheadStyle() const;
  void EndArrowheadStyle(std::int32_t value);  // msoArrowhead... 1 to 6
  std::int32_t EndArrowheadLength() const;
  void EndArrowheadLength(std::int32_t value);  // 1 short, 2 medium, 3 long
  std::int32_t EndArrowheadWidth() const;
  void EndArrowheadWidth(std::int32_t value);  // 1 narrow, 2 medium, 3 wide

 private:
  ShapeStore* store_;
  std::int32_t index_;
};

// Every shadow type is drawn as a hard shadow behind the shape. Setting the type places the
// shadow 6 points right of and below the shape; the increments move it from there.
class ShadowFormat {
 public:
  static constexpr double kTypeOffset = 6.0;

  ShadowFormat(ShapeStore* store, std::int32_t index) : store_(store), index_(index) {}
  std::int32_t Type() const;      // 0 while the shape has no shadow
  void Type(std::int32_t value);  // msoShadow1 to msoShadow20
  bool Visible() const;
  double OffsetX() const;  // points, positive to the right
  double OffsetY() const;  // points, positive downwards
  void IncrementOffsetX(double increment);
  void IncrementOffsetY(double increment);
  ColorFormat ForeColor() const;

 private:
  ShapeStore* store_;
  std::int32_t index_;
};

class Shape {
 public:
  Shape(ShapeStore* store, std::int32_t index) : store_(store), index_(index) {}
  FillFormat Fill() const { return {store_, index_}; }
  LineFormat Line() const { return {store_, index_}; }
  ShadowFormat Shadow() const { return {store_, index_}; }
  // msoBringToFront 0, msoSendToBack 1, msoBringForward 2, msoSendBackward 3.
  void ZOrder(std::int32_t cmd);
  // Place in the drawing order, 1 for the shape drawn first (the back).
  std::int32_t ZOrderPosition() const;
  std::string Name() const;  // "Ellipse 1", "Gerade Verbindung 2" as a German Excel names them
  std::int32_t Id() const;   // the drawing's object id
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;

 private:
  ShapeStore* store_;
  std::int32_t index_;
};

}  // namespace excel
