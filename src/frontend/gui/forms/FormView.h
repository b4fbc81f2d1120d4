#pragma once
// One generic view for every form of the system: a dialog that shows a forms::Form with each
// control as a Qt widget at its place (twips to pixels: 15 twips a pixel at 96 dpi, scaled with
// the screen's resolution), and keeps the widgets in step with the controls: the form tells
// the view of every property it changes, and the view feeds the user's input back as the
// control's events (Click, Change, up and down clicks, mouse moves, focus, QueryUnload for the
// window's close button). Frames moved out of view by the form are not shown.

#include <QDialog>
#include <QHash>
#include <functional>
#include <string>

#include "platform/forms/Control.h"

class QLineEdit;

namespace forms {
class Form;
class TextControl;
}  // namespace forms

namespace gui {

class FormView : public QDialog {
  Q_OBJECT

 public:
  explicit FormView(forms::Form& frm, QWidget* parent = nullptr);
  ~FormView() override;

  forms::Form& Form() const { return frm_; }
  // The widget that shows a control; nullptr when the control has none.
  QWidget* WidgetOf(const forms::Control& ctl) const;
  // The control a widget shows; nullptr for another widget.
  forms::Control* ControlOf(const QWidget* widget) const;
  QWidget* WidgetNamed(const std::string& strName) const;

  // Pixels of a length in twips at this screen's resolution.
  int Pixels(std::int32_t lngTwips) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // While the view writes into its widgets or hands the user's input to the controls, the
  // widgets' own signals are not fed back.
  class ScopedFeeding {
   public:
    explicit ScopedFeeding(FormView& view) : view_(view) { ++view_.intFeeding_; }
    ~ScopedFeeding() { --view_.intFeeding_; }
    ScopedFeeding(const ScopedFeeding&) = delete;
    ScopedFeeding& operator=(const ScopedFeeding&) = delete;

   private:
    FormView& view_;
  };

  // Hands one input of the user to the form.
  void Feed(const std::function<void()>& action);
  void FeedSelection(forms::TextControl& ctl, QLineEdit& edit);
  void FeedTyping(forms::TextControl& ctl, const std::function<void()>& action);
  static bool IsFocusable(const forms::Control& ctl);

  void BuildWidgets();
  QWidget* CreateWidget(forms::Control& ctl);
  void Update(forms::Control* ctl, forms::Property property);
  void UpdateForm(forms::Property property);
  void UpdateControl(forms::Control& ctl, forms::Property property);
  void UpdateGeometry(forms::Control& ctl);
  void UpdateVisibility(forms::Control& ctl);
  void UpdateTabOrder();
  void UpdateFocus();
  void UpdateCursor();
  void ApplyFont(forms::Control& ctl, QWidget& widget) const;
  bool InView(const forms::Control& ctl) const;
  QWidget* ParentWidget(const forms::Control& ctl) const;

  forms::Form& frm_;
  QWidget* canvas_;  // the form's client area
  QHash<const forms::Control*, QWidget*> widgets_;
  QHash<const QWidget*, forms::Control*> controls_;
  double dblScale_;
  int intFeeding_ = 0;
  // The control whose text the user is typing: its caret stays where the user has it.
  const forms::Control* typing_ = nullptr;
};

}  // namespace gui
