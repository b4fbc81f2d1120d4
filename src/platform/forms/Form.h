#pragma once
// A form: its own properties, the controls on it in the order in which they were created,
// the tab order, the focus, loading, modal display and unloading.
//
// A form derived from this one declares its controls as members, sets their design-time state
// in InitializeComponent and does its own set-up in Form_Load. Load() runs both once per
// loading. Unload() ends it and puts the controls back into their design-time state at once:
// what is set on them before the next Load() (the stored defaults of the next launch) stays,
// and that Load() runs only Form_Load.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"

namespace forms {

class Form {
 public:
  explicit Form(std::string strName);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return strName_; }

  const std::string& Caption() const { return strCaption_; }
  void Caption(const std::string& strValue);
  const std::string& Tag() const { return strTag_; }
  void Tag(const std::string& strValue);

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

  std::int32_t BackColor() const { return lngBackColor_; }
  void BackColor(std::int32_t lngValue);
  int MousePointer() const { return intMousePointer_; }
  void MousePointer(int intValue);
  bool Enabled() const { return blnEnabled_; }
  void Enabled(bool blnValue);

  bool Visible() const { return blnVisible_; }
  bool Loaded() const { return blnLoaded_; }
  // True while the form is shown modally.
  bool Modal() const { return blnModal_; }

  // Every control of the form, in the order of creation.
  const std::vector<Control*>& Controls() const { return controls_; }
  // The control that has the focus; nullptr when none has.
  Control* ActiveControl() const { return activeControl_; }
  // The controls that the Tab key visits, in order: tab stop set, reachable, by tab index.
  std::vector<Control*> TabOrder() const;

  // Loads the form when it is not loaded: design-time state, then Form_Load.
  void Load();
  // Loads the form and shows it. Modally (vbModal), the front end's modal handler runs until
  // the form is hidden or unloaded; without a front end the call returns at once and the
  // caller drives the form.
  void Show(int intModal = vbModeless);
  void Hide();
  // Asks Form_QueryUnload, then runs Form_Unload; the form is hidden and unloaded. Nothing
  // happens when it is not loaded or when Form_QueryUnload cancels. Returns true when the form
  // was unloaded.
  bool Unload();
  // Repaints the form at once.
  void Refresh();

  // User actions on the form's own free area, where no control is: the mouse moves over it, or
  // clicks it. They raise Form_MouseMove and Form_Click while the form is loaded and enabled.
  void MouseMove(int intButton, int intShift, float sngX, float sngY);
  void Click();

  // The view that shows the form: told of every change of the form (control nullptr) and of
  // its controls. One view per form; an empty function detaches it.
  using ChangeHandler = std::function<void(Control* ctl, Property property)>;
  void Observe(ChangeHandler handler) { observer_ = std::move(handler); }

 protected:
  // Puts every control into its design-time state: captions, tooltips, tags, positions.
  virtual void InitializeComponent() {}
  virtual void Form_Load() {}
  // Set intCancel to a value other than 0 to keep the form loaded.
  virtual void Form_QueryUnload(int& intCancel) { (void)intCancel; }
  virtual void Form_Unload() {}
  virtual void Form_MouseMove(int intButton, int intShift, float sngX, float sngY) {
    (void)intButton, (void)intShift, (void)sngX, (void)sngY;
  }
  virtual void Form_Click() {}

 private:
  friend class Control;
  void Register(Control& ctl);
  void Unregister(Control& ctl);
  void Changed(Control* ctl, Property property);
  int TabIndexOf(const Control& ctl) const;
  void MoveInTabOrder(Control& ctl, int intIndex);
  void Focus(Control* ctl);

  std::string strName_;
  std::string strCaption_;
  std::string strTag_;
  std::int32_t lngLeft_ = 0;
  std::int32_t lngTop_ = 0;
  std::int32_t lngWidth_ = 0;
  std::int32_t lngHeight_ = 0;
  std::int32_t lngBackColor_ = vbButtonFace;
  int intMousePointer_ = vbDefault;
  bool blnEnabled_ = true;
  bool blnVisible_ = false;
  bool blnLoaded_ = false;
  bool blnDesignState_ = false;  // unloaded, the controls back in their design-time state
  bool blnModal_ = false;
  std::vector<Control*> controls_;
  std::vector<Control*> tabOrder_;
  Control* activeControl_ = nullptr;
  ChangeHandler observer_;
};

}  // namespace forms
