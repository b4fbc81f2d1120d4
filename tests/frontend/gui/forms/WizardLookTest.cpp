// What a user reads and presses on the wizard's steps: the host's font, captions level with the
// controls beside them, texts without the breaks of another layout, the buttons' access keys
// and the default button, the field lists opening on the chosen field with the plan's names.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <set>

#include "frontend/gui/forms/WizardTesting.h"
#include "platform/catalog/Catalog.h"
#include "wizard/StepLayout.h"

namespace guitest {
namespace {

using WizardLook = WizardOnScreen;

// Goes on with Next to a later step; the first needs a path.
void GoTo(frmQuorvan& frm, int intStep) {
  if (frm.txtChartPath.Text().empty()) frm.txtChartPath.Text("/tmp/Kommunikationsdiagramm.xlsx");
  while (wizard::StepFromTag(frm.cmdNext.Tag()) < intStep) {
    const std::string strBefore = frm.cmdNext.Tag();
    frm.cmdNext.Click();
    if (frm.cmdNext.Tag() == strBefore) break;
  }
  QCoreApplication::processEvents();
}

// The buttons on screen, by their text.
std::vector<QPushButton*> VisibleButtons(FormView& view) {
  std::vector<QPushButton*> buttons;
  for (QPushButton* button : view.findChildren<QPushButton*>()) {
    if (button->isVisible()) buttons.push_back(button);
  }
  return buttons;
}

// The letter after a single "&" of a button's text, lower case; 0 for none.
QChar AccessKey(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return QChar();
}

// The height on screen at which a widget shows its line of text: a label where its alignment
// puts the line, the other widgets in their middle.
int TextMiddle(QWidget& widget) {
  const QRect box(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
  if (auto* label = qobject_cast<QLabel*>(&widget);
      label != nullptr && (label->alignment() & Qt::AlignVCenter) == 0) {
    return box.top() + label->contentsRect().top() + label->fontMetrics().height() / 2;
  }
  return box.center().y();
}

// The application's font for the time of a test, and the one before afterwards.
class ApplicationFont {
 public:
  explicit ApplicationFont(const QFont& font) : before_(QApplication::font()) {
    QApplication::setFont(font);
  }
  ~ApplicationFont() { QApplication::setFont(before_); }
  ApplicationFont(const ApplicationFont&) = delete;
  ApplicationFont& operator=(const ApplicationFont&) = delete;

 private:
  QFont before_;
};

TEST_F(WizardLook, EveryStepShowsItsTextsInTheHostsFontAndCaptionsLevelWithTheirControls) {
  // A font no form would choose of its own accord.
  const ApplicationFont host(QFont(QStringLiteral("DejaVu Serif"), 10));
  // Each caption, and the control whose text it stands beside.
  const struct {
    int intStep;
    const char* strCaption;
    const char* strControl;
  } beside[] = {
      {2, "lblFieldResponsible", "cboFieldResponsible"},
      {2, "lblFieldParticipiant", "cboFieldParticipiant"},
      {2, "lblFieldInformed", "cboFieldInformed"},
      {3, "chkTargets", "cboFieldTargets"},
      {3, "chkStatus", "cboFieldStatus"},
      {3, "chkDesc", "cboFieldDesc"},
      {4, "lblColumnWidth", "txtColumnWidth"},
      {4, "lblRowHeight", "txtRowHeight"},
      {4, "lblArrowThickness", "txtArrowThickness"},
      {4, "lblUnit", "txtArrowThickness"},
      {4, "lblArrowSize", "cboArrowSize"},
      {5, "lblHeaderTasks", "cmdChangeColorHeaderTasks"},
      {5, "lblSubprojects", "cmdChangeColorSubprojects"},
      {5, "lblSummaries", "cmdChangeColorSummaries"},
      {5, "lblTasks", "cmdChangeColorTasks"},
      {5, "lblMilestones", "cmdChangeColorMilestones"},
      {6, "lblArrows", "cmdChangeColorArrows"},
      {6, "chkShadowArrows", "cmdChangeColorShadowArrows"},
      {6, "lblResponsible", "cmdChangeColorResponsible"},
      {6, "lblParticipiant", "cmdChangeColorParticipiant"},
      {6, "lblInformed", "cmdChangeColorInformed"},
      {6, "chkShadowSymbols", "cmdChangeColorShadowSymbols"},
  };
  Launch([&](FormView& view, frmQuorvan& frm) {
    for (int intStep = 1; intStep <= 7; ++intStep) {
      GoTo(frm, intStep);
      for (forms::Control* ctl : frm.Controls()) {
        QWidget* widget = view.WidgetOf(*ctl);
        if (widget == nullptr || !widget->isVisible()) continue;
        EXPECT_EQ(widget->font().family(), QStringLiteral("DejaVu Serif"))
            << "Schritt " << intStep << ": " << ctl->Name();
        EXPECT_EQ(widget->font().pointSizeF(), 10.0)
            << "Schritt " << intStep << ": " << ctl->Name();
      }
      for (const auto& pair : beside) {
        if (pair.intStep != intStep) continue;
        QWidget* caption = view.WidgetNamed(pair.strCaption);
        QWidget* control = view.WidgetNamed(pair.strControl);
        ASSERT_TRUE(caption != nullptr && control != nullptr) << pair.strCaption;
        ASSERT_TRUE(caption->isVisible() && control->isVisible()) << pair.strCaption;
        EXPECT_NEAR(TextMiddle(*caption), TextMiddle(*control), 1)
            << pair.strCaption << " neben " << pair.strControl;
      }
    }
  });
}

TEST_F(WizardLook, StepTextsReadAsWordsAndNameTheFinishButtonAsItReads) {
  // A word broken at the end of a line in another layout: "Diagramm- farben".
  const QRegularExpression broken(QStringLiteral("\\w- \\p{Ll}"));
  for (const catalog::Language language : {catalog::Language::German, catalog::Language::English}) {
    catalog::Use(language);
    Launch([&](FormView& view, frmQuorvan& frm) {
      for (int intStep = 1; intStep <= 7; ++intStep) {
        GoTo(frm, intStep);
        for (QLabel* label : view.findChildren<QLabel*>()) {
          if (!label->isVisible()) continue;
          EXPECT_FALSE(broken.match(label->text()).hasMatch()) << label->text().toStdString();
        }
      }
      // Step 7 tells which button to click: the one at the bottom, in its words.
      QString finish = Widget<QPushButton>(view, frm.cmdFinish)->text();
      finish.remove(u'&');
      const QString text = Widget<QLabel>(view, frm.lblStep702)->text();
      EXPECT_TRUE(text.contains(QStringLiteral(" ") + finish + QStringLiteral(" ")))
          << text.toStdString() << " / " << finish.toStdString();
    });
  }
  catalog::Use(catalog::Language::German);
}

TEST_F(WizardLook, ButtonsHaveAccessKeysOfTheirOwnOnEachStepAndEnterPressesTheNextOne) {
  Launch([&](FormView& view, frmQuorvan& frm) {
    for (int intStep = 1; intStep <= 7; ++intStep) {
      GoTo(frm, intStep);
      std::set<QChar> keys;
      std::size_t count = 0;
      for (QPushButton* button : VisibleButtons(view)) {
        // The five "Ändern..." of a step share their text; their captions name them.
        if (button->text() == QStringLiteral("Ändern...")) continue;
        const QChar key = AccessKey(button->text());
        EXPECT_FALSE(key.isNull()) << "Schritt " << intStep << ": " << button->text().toStdString();
        if (!key.isNull()) {
          keys.insert(key);
          ++count;
        }
      }
      EXPECT_EQ(keys.size(), count) << "Schritt " << intStep;
      // Enter presses Next, and on the last step Finish.
      QPushButton* enter = Widget<QPushButton>(view, intStep < 7 ? frm.cmdNext : frm.cmdFinish);
      EXPECT_TRUE(enter->isDefault()) << "Schritt " << intStep;
      for (QPushButton* button : VisibleButtons(view)) {
        if (button != enter) {
          EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
        }
      }
    }
    // Alt with the letter presses the button: back, then on again.
    // The button shows itself pressed for a moment, then clicks.
    QTest::keyClick(&view, Qt::Key_Z, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([&] { return frm.cmdNext.Tag() == "Step6"; }));
    QTest::keyClick(&view, Qt::Key_W, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([&] { return frm.cmdNext.Tag() == "Step7"; }));
  });
}

TEST_F(WizardLook, FieldListsOpenOnTheChosenFieldAndShowThePlansNamesBesideTheFields) {
  Launch([&](FormView& view, frmQuorvan& frm) {
    GoTo(frm, 2);
    auto* combo = Widget<QComboBox>(view, frm.cboFieldResponsible);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText().toStdString(), "Text21");
    // The example plan names Text21 "Verantwortlich"; Text1 has no name of its own.
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    EXPECT_EQ(list->currentIndex().data().toString().toStdString(), "Text21 (Verantwortlich)");
    EXPECT_EQ(combo->findText(QStringLiteral("Text1")), 40);
    // The entry below, chosen with the keyboard: the box and the setting hold the field's name.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(frm.cboFieldResponsible.Text(), "Text22");
    EXPECT_EQ(combo->currentText().toStdString(), "Text22");

    // A typed field: the list opens on it too.
    auto* informed = Widget<QComboBox>(view, frm.cboFieldInformed);
    Type(view, frm.cboFieldInformed, "Text25");
    EXPECT_EQ(frm.cboFieldInformed.Text(), "Text25");
    informed->showPopup();
    EXPECT_EQ(informed->view()->currentIndex().data().toString().toStdString(),
              "Text25 (Bemerkungen)");
    informed->hidePopup();
    EXPECT_EQ(informed->currentText().toStdString(), "Text25");
    EXPECT_EQ(frm.cboFieldInformed.Text(), "Text25");

    GoTo(frm, 4);
    auto* size = Widget<QComboBox>(view, frm.cboArrowSize);
    size->showPopup();
    EXPECT_EQ(size->view()->currentIndex().data().toString().toStdString(), "mittel");
    size->hidePopup();
  });
}

}  // namespace
}  // namespace guitest
