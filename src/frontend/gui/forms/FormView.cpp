#include "gui/forms/FormView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "gui/forms/Pictures.h"
#include "gui/forms/UserInput.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/forms/Forms.h"
#include "platform/vb/OnError.h"

namespace gui {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // at 96 dpi
constexpr std::int32_t kSystemColorFlag = static_cast<std::int32_t>(0x80000000U);
// The border and title bar that a form's outer size includes, in twips.
constexpr std::int32_t kBorderWidth = 120;
constexpr std::int32_t kBorderHeight = 435;
// Frames no higher than this are drawn as separator lines.
constexpr std::int32_t kSeparatorHeight = 60;

QString Text(const std::string& str) {
  return QString::fromUtf8(str.data(), static_cast<qsizetype>(str.size()));
}

// A label's caption as plain text: "&&" is an ampersand, a single "&" marks an accelerator.
QString PlainCaption(const std::string& str) {
  QString text = Text(str);
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&') {
      if (i + 1 < text.size() && text[i + 1] == u'&') plain += u'&', ++i;
      continue;
    }
    plain += text[i];
  }
  return plain;
}

// A Windows colour value (red in the low byte); system colours have no colour of their own.
std::optional<QColor> ColorOf(std::int32_t lngColor) {
  if ((lngColor & kSystemColorFlag) != 0) return std::nullopt;
  const auto value = static_cast<std::uint32_t>(lngColor);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

Qt::CursorShape CursorOf(int intPointer) {
  switch (intPointer) {
    case forms::vbHourglass:
      return Qt::WaitCursor;
    case forms::vbIbeam:
      return Qt::IBeamCursor;
    default:
      return Qt::ArrowCursor;
  }
}

int VbShift(Qt::KeyboardModifiers modifiers) {
  int intShift = 0;
  if (modifiers & Qt::ShiftModifier) intShift |= 1;
  if (modifiers & Qt::ControlModifier) intShift |= 2;
  if (modifiers & Qt::AltModifier) intShift |= 4;
  return intShift;
}

int VbButton(Qt::MouseButtons buttons) {
  int intButton = 0;
  if (buttons & Qt::LeftButton) intButton |= forms::vbLeftButton;
  if (buttons & Qt::RightButton) intButton |= forms::vbRightButton;
  if (buttons & Qt::MiddleButton) intButton |= 4;
  return intButton;
}

// A label box too low for two lines of its text holds one line: centred on its height, so that
// a caption given the place of the control beside it sits level with that control's text.
// Higher boxes hold paragraphs, which start at the top.
void AlignLabel(QLabel& label) {
  const bool blnOneLine = label.height() < 2 * label.fontMetrics().lineSpacing();
  label.setAlignment(Qt::AlignLeft | (blnOneLine ? Qt::AlignVCenter : Qt::AlignTop));
}

// The item of a combo box's list whose value (not its shown text) is the text; -1 for none.
int ItemOfText(const QComboBox& combo, const QString& text) {
  for (int i = 0; i < combo.count(); ++i) {
    if (combo.itemData(i, Qt::UserRole).toString() == text) return i;
  }
  return -1;
}

// A combo box whose drop-down list opens on the entry of the text it shows, even when the user
// typed that text.
class ComboWidget : public QComboBox {
 public:
  using QComboBox::QComboBox;

  // Makes the entry of the text the current one without changing the text (the entry shows a
  // note beside its value, the text the value alone).
  void ShowEntryOfText() {
    const QString text = currentText();
    const int index = ItemOfText(*this, text);
    if (index == currentIndex() && (index < 0 || itemText(index) == text)) return;
    const QSignalBlocker block(this);
    QLineEdit* edit = lineEdit();
    const QSignalBlocker blockEdit(edit);
    const int cursor = edit != nullptr ? edit->cursorPosition() : 0;
    setCurrentIndex(index);
    if (edit != nullptr) {
      edit->setText(text);
      edit->setCursorPosition(cursor);
    }
  }

  void showPopup() override {
    if (isEditable()) ShowEntryOfText();
    QComboBox::showPopup();
    // The entry amid its neighbours, not at the list's edge.
    if (currentIndex() >= 0) {
      view()->scrollTo(model()->index(currentIndex(), modelColumn()),
                       QAbstractItemView::PositionAtCenter);
    }
  }
};

// The two arrows of a spinner, one above the other.
class SpinnerWidget : public QWidget {
 public:
  explicit SpinnerWidget(QWidget* parent) : QWidget(parent) {
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
      button->setAutoRepeat(true);
      button->setFocusPolicy(Qt::NoFocus);
      button->setIconSize(QSize(7, 7));
    }
  }
  QToolButton* Up() const { return up_; }
  QToolButton* Down() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent*) override {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
  }

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace

FormView::FormView(forms::Form& frm, QWidget* parent) : QDialog(parent), frm_(frm), canvas_(this) {
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  dblScale_ = (screen != nullptr ? screen->logicalDotsPerInchX() : 96.0) / 96.0 / kTwipsPerPixel;
  setObjectName(Text(frm.Name()));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setMouseTracking(true);
  // The desktop's own font, which the host's window shows too: the forms' MS Sans Serif 8 was
  // the font of the original's desktop.
  setFont(QApplication::font());
  BuildWidgets();
  frm_.Observe([this](forms::Control* ctl, forms::Property property) { Update(ctl, property); });
  UpdateForm(forms::Property::Caption);
  UpdateForm(forms::Property::Position);
  UpdateForm(forms::Property::BackColor);
  UpdateCursor();
  UpdateTabOrder();
}

FormView::~FormView() {
  frm_.Observe({});
}

int FormView::Pixels(std::int32_t lngTwips) const {
  return static_cast<int>(std::lround(lngTwips * dblScale_));
}

QWidget* FormView::WidgetOf(const forms::Control& ctl) const {
  return widgets_.value(&ctl, nullptr);
}

forms::Control* FormView::ControlOf(const QWidget* widget) const {
  for (const QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
    if (auto* ctl = controls_.value(w, nullptr)) return ctl;
  }
  return nullptr;
}

QWidget* FormView::WidgetNamed(const std::string& strName) const {
  for (forms::Control* ctl : frm_.Controls()) {
    if (ctl->Name() == strName) return WidgetOf(*ctl);
  }
  return nullptr;
}

void FormView::BuildWidgets() {
  // Containers first, so that every control finds the widget of its frame.
  std::vector<forms::Control*> order = frm_.Controls();
  std::stable_partition(order.begin(), order.end(), [](forms::Control* ctl) {
    return dynamic_cast<forms::Frame*>(ctl) != nullptr;
  });
  // Frames inside frames after their containers.
  std::vector<forms::Control*> pending = order;
  while (!pending.empty()) {
    std::vector<forms::Control*> next;
    for (forms::Control* ctl : pending) {
      if (ctl->Container() != nullptr && !widgets_.contains(ctl->Container())) {
        next.push_back(ctl);
        continue;
      }
      QWidget* widget = CreateWidget(*ctl);
      widgets_.insert(ctl, widget);
      controls_.insert(widget, ctl);
      widget->setObjectName(Text(ctl->Name()));
      widget->setMouseTracking(true);
      widget->installEventFilter(this);
      for (QObject* child : widget->children()) {
        if (auto* w = qobject_cast<QWidget*>(child)) {
          w->setMouseTracking(true);
          w->installEventFilter(this);
        }
      }
    }
    if (next.size() == pending.size()) break;  // a container that is not on this form
    pending = std::move(next);
  }
  for (forms::Control* ctl : frm_.Controls()) {
    if (!widgets_.contains(ctl)) continue;
    for (auto property :
         {forms::Property::Caption, forms::Property::Text, forms::Property::Value,
          forms::Property::List, forms::Property::Enabled, forms::Property::ToolTipText,
          forms::Property::BackColor, forms::Property::ForeColor, forms::Property::Font,
          forms::Property::Picture, forms::Property::Default, forms::Property::BorderStyle,
          forms::Property::MousePointer, forms::Property::Selection}) {
      UpdateControl(*ctl, property);
    }
    UpdateGeometry(*ctl);
  }
}

QWidget* FormView::ParentWidget(const forms::Control& ctl) const {
  if (ctl.Container() != nullptr) {
    if (QWidget* container = WidgetOf(*ctl.Container())) return container;
  }
  return canvas_;
}

QWidget* FormView::CreateWidget(forms::Control& ctl) {
  QWidget* parent = ParentWidget(ctl);
  if (auto* lbl = dynamic_cast<forms::Label*>(&ctl)) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (void)lbl;
    return label;
  }
  if (auto* txt = dynamic_cast<forms::TextBox*>(&ctl)) {
    auto* edit = new QLineEdit(parent);
    connect(edit, &QLineEdit::textEdited, this, [this, txt, edit](const QString& text) {
      FeedTyping(*txt, [&] { txt->Text(text.toStdString()); });
      FeedSelection(*txt, *edit);
    });
    connect(edit, &QLineEdit::selectionChanged, this,
            [this, txt, edit] { FeedSelection(*txt, *edit); });
    connect(edit, &QLineEdit::cursorPositionChanged, this,
            [this, txt, edit] { FeedSelection(*txt, *edit); });
    return edit;
  }
  if (auto* cbo = dynamic_cast<forms::ComboBox*>(&ctl)) {
    auto* combo = new ComboWidget(parent);
    combo->setEditable(cbo->Style() != forms::vbComboDropdownList);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(16);
    if (combo->completer() != nullptr) {
      // Typing completes to an entry's value, never to the note shown beside it.
      combo->completer()->setCompletionRole(Qt::UserRole);
    }
    if (combo->lineEdit() != nullptr) {
      QLineEdit* edit = combo->lineEdit();
      connect(edit, &QLineEdit::textEdited, this, [this, cbo, edit](const QString& text) {
        FeedTyping(*cbo, [&] { cbo->Text(text.toStdString()); });
        FeedSelection(*cbo, *edit);
      });
    }
    connect(combo, qOverload<int>(&QComboBox::activated), this, [this, cbo](int index) {
      Feed([&] { cbo->ListIndex(index); });
      // The box shows the entry's value, not its note.
      UpdateControl(*cbo, forms::Property::Text);
    });
    return combo;
  }
  if (auto* chk = dynamic_cast<forms::CheckBox*>(&ctl)) {
    auto* check = new QCheckBox(parent);
    check->setTristate(false);
    // The control decides the new state (a greyed box is cleared); the widget follows it.
    connect(check, &QCheckBox::clicked, this, [this, chk] {
      Feed([&] { chk->Click(); });
      UpdateControl(*chk, forms::Property::Value);
    });
    return check;
  }
  if (auto* cmd = dynamic_cast<forms::CommandButton*>(&ctl)) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, cmd] { Feed([&] { cmd->Click(); }); });
    return button;
  }
  if (auto* fra = dynamic_cast<forms::Frame*>(&ctl)) {
    (void)fra;
    auto* group = new QGroupBox(parent);
    return group;
  }
  if (dynamic_cast<forms::ProgressBar*>(&ctl) != nullptr) {
    auto* bar = new QProgressBar(parent);
    // The share done, as a percentage on the bar.
    bar->setTextVisible(true);
    return bar;
  }
  if (auto* upd = dynamic_cast<forms::UpDown*>(&ctl)) {
    auto* spinner = new SpinnerWidget(parent);
    connect(spinner->Up(), &QToolButton::clicked, this,
            [this, upd] { Feed([&] { upd->UpClick(); }); });
    connect(spinner->Down(), &QToolButton::clicked, this,
            [this, upd] { Feed([&] { upd->DownClick(); }); });
    return spinner;
  }
  if (dynamic_cast<forms::Image*>(&ctl) != nullptr) {
    auto* image = new QLabel(parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
  }
  return new QWidget(parent);
}

void FormView::Update(forms::Control* ctl, forms::Property property) {
  if (ctl == nullptr) {
    UpdateForm(property);
    return;
  }
  if (!widgets_.contains(ctl)) return;
  UpdateControl(*ctl, property);
}

void FormView::UpdateForm(forms::Property property) {
  switch (property) {
    case forms::Property::Caption:
      setWindowTitle(Text(frm_.Caption()));
      break;
    case forms::Property::Position: {
      // The outer size includes the border and the title bar; the client area is at least
      // high enough for the controls along its bottom.
      const int width = Pixels(frm_.Width() - kBorderWidth);
      int height = Pixels(frm_.Height() - kBorderHeight);
      for (forms::Control* ctl : frm_.Controls()) {
        QWidget* widget = WidgetOf(*ctl);
        if (widget == nullptr || widget->parentWidget() != canvas_ || !InView(*ctl)) continue;
        height = std::max(height, widget->geometry().bottom() + 1 + Pixels(60));
      }
      setFixedSize(width, height);
      if (intFeeding_ == 0 && (frm_.Left() != 0 || frm_.Top() != 0)) {
        move(Pixels(frm_.Left()), Pixels(frm_.Top()));
      }
      break;
    }
    case forms::Property::BackColor:
      if (auto color = ColorOf(frm_.BackColor())) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, *color);
        setPalette(pal);
      }
      break;
    case forms::Property::MousePointer:
      UpdateCursor();
      break;
    case forms::Property::Enabled:
      setEnabled(frm_.Enabled());
      break;
    case forms::Property::Visible:
    case forms::Property::Loaded:
      if ((!frm_.Visible() || !frm_.Loaded()) && isVisible()) done(QDialog::Rejected);
      break;
    case forms::Property::Refresh:
      repaint();
      break;
    default:
      break;
  }
}

void FormView::UpdateControl(forms::Control& ctl, forms::Property property) {
  QWidget* widget = WidgetOf(ctl);
  if (widget == nullptr) return;
  const ScopedFeeding quiet(*this);
  switch (property) {
    case forms::Property::Caption:
      if (auto* lbl = dynamic_cast<forms::Label*>(&ctl)) {
        static_cast<QLabel*>(widget)->setText(PlainCaption(lbl->Caption()));
      } else if (auto* cmd = dynamic_cast<forms::CommandButton*>(&ctl)) {
        static_cast<QPushButton*>(widget)->setText(Text(cmd->Caption()));
      } else if (auto* chk = dynamic_cast<forms::CheckBox*>(&ctl)) {
        static_cast<QCheckBox*>(widget)->setText(Text(chk->Caption()));
      } else if (auto* fra = dynamic_cast<forms::Frame*>(&ctl)) {
        static_cast<QGroupBox*>(widget)->setTitle(PlainCaption(fra->Caption()));
        UpdateControl(ctl, forms::Property::BorderStyle);
      }
      break;
    case forms::Property::Text:
      if (auto* txt = dynamic_cast<forms::TextBox*>(&ctl)) {
        auto* edit = static_cast<QLineEdit*>(widget);
        if (edit->text() != Text(txt->Text())) edit->setText(Text(txt->Text()));
        UpdateControl(ctl, forms::Property::Selection);
      } else if (auto* cbo = dynamic_cast<forms::ComboBox*>(&ctl)) {
        auto* combo = static_cast<ComboWidget*>(widget);
        const QSignalBlocker block(combo);
        if (combo->isEditable()) {
          if (combo->currentText() != Text(cbo->Text())) combo->setEditText(Text(cbo->Text()));
          // While the user types, the entry follows when the list opens.
          if (&ctl != typing_) combo->ShowEntryOfText();
        } else {
          combo->setCurrentIndex(cbo->ListIndex());
        }
      }
      break;
    case forms::Property::Selection:
      if (&ctl == typing_) break;
      if (auto* txt = dynamic_cast<forms::TextControl*>(&ctl)) {
        QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
        if (edit == nullptr) {
          if (auto* combo = qobject_cast<QComboBox*>(widget)) edit = combo->lineEdit();
        }
        if (edit != nullptr) {
          const QSignalBlocker block(edit);
          if (txt->SelLength() > 0) {
            edit->setSelection(txt->SelStart(), txt->SelLength());
          } else {
            edit->setCursorPosition(txt->SelStart());
          }
        }
      }
      break;
    case forms::Property::Value:
      if (auto* chk = dynamic_cast<forms::CheckBox*>(&ctl)) {
        auto* check = static_cast<QCheckBox*>(widget);
        const QSignalBlocker block(check);
        check->setTristate(chk->Value() == forms::vbGrayed);
        check->setCheckState(chk->Value() == forms::vbChecked  ? Qt::Checked
                             : chk->Value() == forms::vbGrayed ? Qt::PartiallyChecked
                                                               : Qt::Unchecked);
      } else if (auto* bar = dynamic_cast<forms::ProgressBar*>(&ctl)) {
        auto* progress = static_cast<QProgressBar*>(widget);
        progress->setRange(static_cast<int>(std::lround(bar->Min())),
                           static_cast<int>(std::lround(bar->Max())));
        progress->setValue(static_cast<int>(std::lround(bar->Value())));
      }
      break;
    case forms::Property::List:
      if (auto* cbo = dynamic_cast<forms::ComboBox*>(&ctl)) {
        auto* combo = static_cast<ComboWidget*>(widget);
        const QSignalBlocker block(combo);
        combo->clear();
        for (int i = 0; i < cbo->ListCount(); ++i) {
          const std::string& strNote = cbo->ItemNote(i);
          // TRANSLATORS: an entry of a list and its note, "Text21 (Verantwortlich)".
          const char* strWithNote = _("{} ({})");
          combo->addItem(
              Text(strNote.empty() ? cbo->List(i)
                                   : catalog::Format(strWithNote, cbo->List(i), strNote)),
              Text(cbo->List(i)));
        }
        if (combo->isEditable()) {
          combo->setEditText(Text(cbo->Text()));
          combo->ShowEntryOfText();
        } else {
          combo->setCurrentIndex(cbo->ListIndex());
        }
      }
      break;
    case forms::Property::Enabled:
      widget->setEnabled(ctl.Enabled());
      break;
    case forms::Property::Visible:
    case forms::Property::Position:
      UpdateGeometry(ctl);
      break;
    case forms::Property::TabStop:
    case forms::Property::TabIndex:
      UpdateTabOrder();
      break;
    case forms::Property::ToolTipText:
      widget->setToolTip(Text(ctl.ToolTipText()));
      break;
    case forms::Property::BackColor:
    case forms::Property::ForeColor: {
      QPalette pal = widget->palette();
      const auto back = ColorOf(ctl.BackColor());
      if (back) {
        pal.setColor(QPalette::Window, *back);
        pal.setColor(QPalette::Button, *back);
      } else {
        pal.setColor(QPalette::Window, palette().color(QPalette::Window));
      }
      if (const auto fore = ColorOf(ctl.ForeColor())) {
        pal.setColor(QPalette::WindowText, *fore);
        pal.setColor(QPalette::ButtonText, *fore);
      }
      widget->setPalette(pal);
      // Only a label shows a colour of its own (a swatch); other widgets keep the style's.
      if (qobject_cast<QLabel*>(widget) != nullptr) widget->setAutoFillBackground(back.has_value());
      break;
    }
    case forms::Property::Font: {
      // The form's font, bold or underlined as the control says.
      QFont font = this->font();
      font.setBold(ctl.FontBold());
      font.setUnderline(ctl.FontUnderline());
      widget->setFont(font);
      if (auto* label = qobject_cast<QLabel*>(widget); label && dynamic_cast<forms::Label*>(&ctl))
        AlignLabel(*label);
      break;
    }
    case forms::Property::Picture:
      if (auto* img = dynamic_cast<forms::Image*>(&ctl)) {
        static_cast<QLabel*>(widget)->setPixmap(
            RenderPicture(img->Picture(), widget->size(), img->Stretch(), devicePixelRatio()));
      }
      break;
    case forms::Property::Default:
      if (auto* cmd = dynamic_cast<forms::CommandButton*>(&ctl)) {
        static_cast<QPushButton*>(widget)->setDefault(cmd->Default());
      }
      break;
    case forms::Property::BorderStyle:
      if (auto* lbl = dynamic_cast<forms::Label*>(&ctl)) {
        auto* label = static_cast<QLabel*>(widget);
        label->setFrameStyle(lbl->BorderStyle() == 1 ? QFrame::Panel | QFrame::Sunken
                                                     : QFrame::NoFrame);
      } else if (auto* fra = dynamic_cast<forms::Frame*>(&ctl)) {
        auto* group = static_cast<QGroupBox*>(widget);
        // A flat group box without a title shows no border: a plain container. A frame only a
        // line high is a separator.
        const bool blnLine = fra->Height() <= kSeparatorHeight;
        group->setFlat(fra->BorderStyle() == 0 || blnLine);
        if (blnLine) {
          group->setStyleSheet(
              QStringLiteral("QGroupBox { border: none; border-top: 1px solid "
                             "palette(mid); border-bottom: 1px solid "
                             "palette(light); margin: 0; padding: 0; }"));
        } else if (fra->BorderStyle() == 0) {
          group->setStyleSheet(
              QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
        } else {
          group->setStyleSheet(QString());
        }
      }
      break;
    case forms::Property::MousePointer:
      if (ctl.MousePointer() == forms::vbDefault) {
        widget->unsetCursor();
      } else {
        widget->setCursor(CursorOf(ctl.MousePointer()));
      }
      break;
    case forms::Property::Focus:
      UpdateFocus();
      break;
    case forms::Property::Buddy:
    case forms::Property::Refresh:
      widget->repaint();
      break;
    default:
      break;
  }
}

bool FormView::InView(const forms::Control& ctl) const {
  // A control moved far outside its container (the steps' frames at −20000) is out of view.
  if (ctl.Left() + ctl.Width() <= 0 || ctl.Top() + ctl.Height() <= 0) return false;
  const std::int32_t lngRight =
      ctl.Container() != nullptr ? ctl.Container()->Width() : frm_.Width() - kBorderWidth;
  const std::int32_t lngBottom =
      ctl.Container() != nullptr ? ctl.Container()->Height() : frm_.Height() - kBorderHeight;
  return ctl.Left() < std::max(lngRight, 1) && ctl.Top() < std::max(lngBottom, 1);
}

void FormView::UpdateGeometry(forms::Control& ctl) {
  QWidget* widget = WidgetOf(ctl);
  if (widget == nullptr) return;
  widget->setGeometry(Pixels(ctl.Left()), Pixels(ctl.Top()), std::max(Pixels(ctl.Width()), 1),
                      std::max(Pixels(ctl.Height()), 1));
  if (dynamic_cast<forms::Label*>(&ctl) != nullptr) AlignLabel(*static_cast<QLabel*>(widget));
  if (dynamic_cast<forms::Image*>(&ctl) != nullptr) UpdateControl(ctl, forms::Property::Picture);
  if (dynamic_cast<forms::Frame*>(&ctl) != nullptr)
    UpdateControl(ctl, forms::Property::BorderStyle);
  UpdateVisibility(ctl);
}

void FormView::UpdateVisibility(forms::Control& ctl) {
  QWidget* widget = WidgetOf(ctl);
  if (widget == nullptr) return;
  widget->setVisible(ctl.Visible() && InView(ctl));
}

void FormView::UpdateTabOrder() {
  // Every control that may take the focus takes it by a click; only those in the form's tab
  // order take it by the Tab key, in that order.
  for (forms::Control* ctl : frm_.Controls()) {
    QWidget* widget = WidgetOf(*ctl);
    if (widget == nullptr || !IsFocusable(*ctl)) continue;
    widget->setFocusPolicy(Qt::ClickFocus);
  }
  QWidget* previous = nullptr;
  for (forms::Control* ctl : frm_.TabOrder()) {
    QWidget* widget = WidgetOf(*ctl);
    if (widget == nullptr) continue;
    widget->setFocusPolicy(Qt::StrongFocus);
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void FormView::UpdateFocus() {
  forms::Control* ctl = frm_.ActiveControl();
  if (ctl == nullptr) return;
  QWidget* widget = WidgetOf(*ctl);
  if (widget == nullptr) return;
  QWidget* target = widget->focusProxy() != nullptr ? widget->focusProxy() : widget;
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
    target = combo->lineEdit();
  }
  if (QApplication::focusWidget() == target || QApplication::focusWidget() == widget) return;
  widget->setFocus(Qt::OtherFocusReason);
}

void FormView::UpdateCursor() {
  if (frm_.MousePointer() == forms::vbDefault) {
    unsetCursor();
  } else {
    setCursor(CursorOf(frm_.MousePointer()));
  }
}

void FormView::Feed(const std::function<void()>& action) {
  const ScopedFeeding feeding(*this);
  RunUserAction(action);
}

bool FormView::IsFocusable(const forms::Control& ctl) {
  return dynamic_cast<const forms::Label*>(&ctl) == nullptr &&
         dynamic_cast<const forms::Frame*>(&ctl) == nullptr &&
         dynamic_cast<const forms::Image*>(&ctl) == nullptr &&
         dynamic_cast<const forms::ProgressBar*>(&ctl) == nullptr &&
         dynamic_cast<const forms::UpDown*>(&ctl) == nullptr;
}

void FormView::FeedTyping(forms::TextControl& ctl, const std::function<void()>& action) {
  const forms::Control* previous = typing_;
  typing_ = &ctl;
  Feed(action);
  typing_ = previous;
}

void FormView::FeedSelection(forms::TextControl& ctl, QLineEdit& edit) {
  if (intFeeding_ > 0) return;
  const int start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
  const int length = edit.hasSelectedText() ? static_cast<int>(edit.selectedText().size()) : 0;
  if (start == ctl.SelStart() && length == ctl.SelLength()) return;
  Feed([&] {
    ctl.SelStart(start);
    ctl.SelLength(length);
  });
}

void FormView::closeEvent(QCloseEvent* event) {
  // The window's close button: the form decides (QueryUnload), the view follows its state.
  event->ignore();
  if (!frm_.Loaded() || !frm_.Visible()) {
    event->accept();
    return;
  }
  Feed([&] { frm_.Unload(); });
}

void FormView::reject() {
  // Escape presses the cancel button; a form without one is closed as by its close button.
  for (forms::Control* ctl : frm_.Controls()) {
    auto* cmd = dynamic_cast<forms::CommandButton*>(ctl);
    if (cmd != nullptr && cmd->Cancel()) {
      Feed([&] { cmd->Click(); });
      return;
    }
  }
  close();
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  forms::Control* ctl = widget != nullptr ? ControlOf(widget) : nullptr;
  if (ctl == nullptr) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPointF at = mouse->position();
      Feed([&] {
        ctl->MouseMove(VbButton(mouse->buttons()), VbShift(mouse->modifiers()),
                       static_cast<float>(at.x() / dblScale_),
                       static_cast<float>(at.y() / dblScale_));
      });
      // Over a control the form's own free area does not see the mouse.
      return qobject_cast<QLabel*>(widget) != nullptr ||
             qobject_cast<QGroupBox*>(widget) != nullptr;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const bool blnLabel = qobject_cast<QLabel*>(widget) != nullptr;
      if (blnLabel && mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->pos())) {
        Feed([&] { ctl->Click(); });
        return true;
      }
      break;
    }
    case QEvent::FocusIn:
      if (intFeeding_ == 0 && !ctl->HasFocus() && IsFocusable(*ctl)) {
        Feed([&] { ctl->SetFocus(); });
      }
      break;
    case QEvent::KeyPress: {
      // The arrow keys in a spinner's text box click the spinner.
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) break;
      for (forms::Control* other : frm_.Controls()) {
        auto* upd = dynamic_cast<forms::UpDown*>(other);
        if (upd == nullptr || upd->BuddyControl() != ctl) continue;
        Feed([&] {
          if (key->key() == Qt::Key_Up) {
            upd->UpClick();
          } else {
            upd->DownClick();
          }
        });
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void FormView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  Feed([&] {
    frm_.MouseMove(VbButton(event->buttons()), VbShift(event->modifiers()),
                   static_cast<float>(at.x() / dblScale_), static_cast<float>(at.y() / dblScale_));
  });
  QDialog::mouseMoveEvent(event);
}

void FormView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Feed([&] { frm_.Click(); });
  QDialog::mousePressEvent(event);
}

void FormView::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  // The user moved the window: the form's position follows, so that a form placed beside it
  // (the information dialog) opens where the form says.
  if (!isVisible()) return;
  const ScopedFeeding quiet(*this);
  vb::TrySkip([&] {
    frm_.Left(static_cast<std::int32_t>(std::lround(x() / dblScale_)));
    frm_.Top(static_cast<std::int32_t>(std::lround(y() / dblScale_)));
  });
}

}  // namespace gui
