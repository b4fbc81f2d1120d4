#pragma once
// Workbook.Windows(1): the workbook's window. FreezePanes splits the active sheet at its active
// cell (see Range.Select).

namespace excel {

class Workbook;

class Window {
 public:
  explicit Window(Workbook& workbook) : workbook_(&workbook) {}

  bool FreezePanes() const;
  void FreezePanes(bool blnFreeze);

 private:
  Workbook* workbook_;
};

}  // namespace excel
