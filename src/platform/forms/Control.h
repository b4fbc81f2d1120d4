#pragma once
// The base of every control on a form: the properties that all kinds share (Tag, Enabled,
// Visible, TabStop, TabIndex, Left/Top/Width/Height in twips, ToolTipText, colours, mouse
// pointer, font), focus, the mouse and click events. A view observes the controls through the
// form (Form::Observe) and feeds the user's input back through the user actions (Click,
// MouseMove, and the setters of text and value).

#include <cstdint>
#include <functional>
#include <string>

#include "platform/forms/Constants.h"

namespace forms {

class Form;

// What changed on a control or form, for the view that shows it.
enum class Property {
  Caption,
  Text,
  Value,
  Tag,
  Enabled,
  Visible,
  TabStop,
  TabIndex,
  Position,
  ToolTipText,
  BackColor,
  ForeColor,
  MousePointer,
  Selection,
  Font,
  List,
  Picture,
  Focus,
  Default,  // a button's Default or Cancel
  BorderStyle,
  Buddy,
  Loaded,
  Refresh,
};

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::string& Name() const { return strName_; }
  Form& Parent() const { return form_; }

  // The frame that holds the control; nullptr when it sits on the form itself. Left and Top
  // are measured from the container's top-left corner.
  Control* Container() const { return container_; }
  void Container(Control& container);

  const std::string& Tag() const { return strTag_; }
  void Tag(const std::string& strValue);

  bool Enabled() const { return blnEnabled_; }
  void Enabled(bool blnValue);
  bool Visible() const { return blnVisible_; }
  void Visible(bool blnValue);

  // A label, frame, image or progress bar has no tab stop: writing it throws.
  bool TabStop() const { return blnTabStop_; }
  void TabStop(bool blnValue);
  // Setting an index moves the control to that place in the form's tab order; the controls
  // behind it move up by one, so every index stays unique (0 … count − 1).
  int TabIndex() const;
  void TabIndex(int intValue);

  std::int32_t Left() const { return lngLeft_; }
  void Left(std::int32_t lngValue);
  std::int32_t Top() const { return lngTop_; }
  void Top(std::int32_t lngValue);
  std::int32_t Width() const { return lngWidth_; }
  void Width(std::int32_t lngValue);
  std::int32_t Height() const { return lngHeight_; }
  void Height(std::int32_t lngValue);
  void Move(std::int32_t lngLeft, std::int32_t lngTop, std::int32_t lngWidth,
            std::int32_t lngHeight);

  const std::string& ToolTipText() const { return strToolTipText_; }
  void ToolTipText(const std::string& strValue);

  // Colours as Windows colour values (red in the low byte) or system colours (&H800000xx).
  std::int32_t BackColor() const { return lngBackColor_; }
  void BackColor(std::int32_t lngValue);
  std::int32_t ForeColor() const { return lngForeColor_; }
  void ForeColor(std::int32_t lngValue);

  int MousePointer() const { return intMousePointer_; }
  void MousePointer(int intValue);

  bool FontUnderline() const { return blnFontUnderline_; }
  void FontUnderline(bool blnValue);
  bool FontBold() const { return blnFontBold_; }
  void FontBold(bool blnValue);

  // Gives the control the focus. A control that cannot take the focus (a label, a frame), or
  // that is disabled or invisible, or inside a disabled or invisible frame, refuses it by
  // throwing forms::Error.
  void SetFocus();
  bool HasFocus() const;
  // Whether a user could reach the control now: it and every frame around it enabled and
  // visible.
  bool Reachable() const;

  // Repaints the control at once.
  void Refresh();

  // Events. A view raises them through the user actions below.
  std::function<void()> OnClick;
  std::function<void(int intButton, int intShift, float sngX, float sngY)> OnMouseMove;
  // The control got or lost the focus, by SetFocus or by the user.
  std::function<void()> OnGotFocus;
  std::function<void()> OnLostFocus;

  // User actions: a click reaches the control only when it is reachable (enabled and visible).
  virtual void Click();
  void MouseMove(int intButton, int intShift, float sngX, float sngY);

 protected:
  enum class Focusable { No, Yes };
  Control(Form& form, std::string strName, Focusable focusable);

  void Changed(Property property);
  void RaiseClick();
  [[noreturn]] void ThrowInvalidValue(const std::string& strProperty) const;

 private:
  Form& form_;
  std::string strName_;
  bool blnFocusable_;
  Control* container_ = nullptr;
  std::string strTag_;
  bool blnEnabled_ = true;
  bool blnVisible_ = true;
  bool blnTabStop_;
  std::int32_t lngLeft_ = 0;
  std::int32_t lngTop_ = 0;
  std::int32_t lngWidth_ = 0;
  std::int32_t lngHeight_ = 0;
  std::string strToolTipText_;
  std::int32_t lngBackColor_ = vbButtonFace;
  std::int32_t lngForeColor_ = vbWindowText;
  int intMousePointer_ = vbDefault;
  bool blnFontUnderline_ = false;
  bool blnFontBold_ = false;
};

}  // namespace forms
