// The seven steps on screen as a user goes through them: what the Tab key visits, the number
// boxes with their spinners, the check boxes, the refused values, the information dialog.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "dialogs/frmInfo.h"
#include "frontend/gui/forms/WizardTesting.h"

namespace guitest {
namespace {

using WizardSteps = WizardOnScreen;

// Moves the mouse as the window system does: the move reaches the widget under it.
void MoveMouse(QWidget& widget, QPoint at) {
  QTest::mouseMove(widget.window()->windowHandle(), widget.mapTo(widget.window(), at));
}

// The controls the Tab key visits when the wizard opens, and on each step, from the focus that
// the step sets. At Step 1 Back is disabled, at Step 7 Next.
const std::vector<std::string> kLaunchTabOrder = {"cmdNext", "cmdFinish", "cmdSave", "cmdCancel"};
const std::vector<std::vector<std::string>> kTabOrder = {
    {"cmdNext", "cmdFinish", "txtChartPath", "cmdSave", "cmdInfo", "cmdCancel"},
    {"cmdNext", "cmdFinish", "cboFieldResponsible", "cboFieldParticipiant", "cboFieldInformed",
     "cmdInfo", "cmdCancel", "cmdBack"},
    {"cmdNext", "cmdFinish", "chkTargets", "cboFieldTargets", "chkStatus", "cboFieldStatus",
     "chkDesc", "cboFieldDesc", "chkDuration", "chkStart", "chkFinish", "cmdInfo", "cmdCancel",
     "cmdBack"},
    {"cmdNext", "cmdFinish", "chkGroupTasks", "chkFreezePanes", "txtColumnWidth", "txtRowHeight",
     "txtArrowThickness", "cboArrowSize", "cmdInfo", "cmdCancel", "cmdBack"},
    {"cmdNext", "cmdFinish", "cmdChangeColorHeaderTasks", "cmdChangeColorSubprojects",
     "cmdChangeColorSummaries", "cmdChangeColorTasks", "cmdChangeColorMilestones", "cmdInfo",
     "cmdCancel", "cmdBack"},
    {"cmdNext", "cmdFinish", "cmdChangeColorArrows", "chkShadowArrows",
     "cmdChangeColorShadowArrows", "cmdChangeColorResponsible", "cmdChangeColorParticipiant",
     "cmdChangeColorInformed", "chkShadowSymbols", "cmdChangeColorShadowSymbols", "cmdInfo",
     "cmdCancel", "cmdBack"},
    {"cmdFinish", "cmdSetDefaults", "cmdInfo", "cmdCancel", "cmdBack"},
};

// Presses Tab once per control of the step, and once more to come round to the first.
std::vector<std::string> TabRound(FormView& view, std::size_t count) {
  std::vector<std::string> seen{WizardOnScreen::FocusedControl(view)};
  for (std::size_t i = 0; i < count; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    seen.push_back(WizardOnScreen::FocusedControl(view));
  }
  return seen;
}

TEST_F(WizardSteps, TabVisitsTheControlsOfEachStepInOrderBothWays) {
  Launch([&](FormView& view, frmQuorvan& frm) {
    frm.txtChartPath.Text("/tmp/Kommunikationsdiagramm.xls");
    bool blnLaunched = true;
    auto check = [&](int step) {
      const auto& expected =
          blnLaunched ? kLaunchTabOrder : kTabOrder[static_cast<std::size_t>(step - 1)];
      blnLaunched = false;
      // Step 7 gives the focus to nobody; the Tab key then starts at the first control.
      if (step == 7) QTest::keyClick(view.WidgetOf(frm.cmdFinish), Qt::Key_Tab, Qt::ShiftModifier);
      std::vector<std::string> round = TabRound(view, expected.size());
      if (step == 7) round.erase(round.begin());
      std::vector<std::string> want = expected;
      if (step != 7) want.push_back(expected.front());
      EXPECT_EQ(round, want) << "Schritt " << step;
    };
    for (int step = 1; step <= 7; ++step) {
      SaveShot(view, "wizard-step" + std::to_string(step));
      check(step);
      if (step < 7) ClickOn(view, frm.cmdNext);
    }
    for (int step = 6; step >= 1; --step) {
      ClickOn(view, frm.cmdBack);
      check(step);
    }
    EXPECT_FALSE(view.WidgetOf(frm.cmdBack)->isEnabled());
  });
}

TEST_F(WizardSteps, OnlyTheCurrentStepIsOnScreen) {
  Launch([&](FormView& view, frmQuorvan& frm) {
    Type(view, frm.txtChartPath, "/tmp/K.xls");
    const std::vector<forms::Frame*> frames = {&frm.fraStep1, &frm.fraStep2, &frm.fraStep3,
                                               &frm.fraStep4, &frm.fraStep5, &frm.fraStep6,
                                               &frm.fraStep7};
    for (std::size_t step = 0; step < frames.size(); ++step) {
      for (std::size_t other = 0; other < frames.size(); ++other) {
        EXPECT_EQ(view.WidgetOf(*frames[other])->isVisible(), other == step)
            << "Schritt " << step + 1 << ", Rahmen " << other + 1;
      }
      ClickOn(view, frm.cmdNext);
    }
  });
}

TEST_F(WizardSteps, TheWindowsCloseButtonLeavesTheWizardLikeCancel) {
  Launch([&](FormView& view, frmQuorvan& frm) {
    frm.txtChartPath.Text("/tmp/K.xls");
    ClickOn(view, frm.cmdNext);
    view.close();
    EXPECT_FALSE(frm.Loaded());
    EXPECT_FALSE(view.isVisible());
  });
}

TEST_F(WizardSteps, EnterGoesToTheNextStepAndEscapeLeavesTheWizard) {
  Launch([&](FormView& view, frmQuorvan& frm) {
    frm.txtChartPath.Text("/tmp/K.xls");
    QTest::keyClick(view.WidgetOf(frm.txtChartPath), Qt::Key_Return);
    EXPECT_EQ(frm.cmdNext.Tag(), "Step2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(frm.Loaded());
  });
}

struct SpinCase {
  const char* strBox;
  const char* strTyped;
  enum { ArrowUp, ArrowDown, KeyUp, KeyDown } how;
  const char* strAfter;
};

TEST_F(WizardSteps, NumberBoxesTakeTypingAndStepWithTheirSpinners) {
  const SpinCase cases[] = {
      {"txtColumnWidth", "12.6", SpinCase::ArrowUp, "14"},
      {"txtColumnWidth", "4", SpinCase::ArrowDown, "4"},
      {"txtColumnWidth", "", SpinCase::KeyUp, "1"},
      {"txtRowHeight", "90", SpinCase::KeyUp, "90"},
      {"txtRowHeight", "36", SpinCase::KeyDown, "35"},
      {"txtArrowThickness", "0,25", SpinCase::ArrowDown, "0,25"},
      {"txtArrowThickness", "0,25", SpinCase::ArrowUp, "0,5"},
      {"txtArrowThickness", "7", SpinCase::KeyDown, "6,75"},
  };
  Launch([&](FormView& view, frmQuorvan& frm) {
    frm.txtChartPath.Text("/tmp/K.xls");
    for (int i = 0; i < 3; ++i) ClickOn(view, frm.cmdNext);
    for (const SpinCase& c : cases) {
      forms::TextBox* box = nullptr;
      forms::UpDown* spinner = nullptr;
      for (auto [txt, upd] : {std::pair{&frm.txtColumnWidth, &frm.updColumnWidth},
                              std::pair{&frm.txtRowHeight, &frm.updRowHeight},
                              std::pair{&frm.txtArrowThickness, &frm.updArrowThickness}}) {
        if (txt->Name() == c.strBox) box = txt, spinner = upd;
      }
      ASSERT_NE(box, nullptr);
      Type(view, *box, c.strTyped);
      EXPECT_EQ(box->Text(), c.strTyped) << "getippt in " << c.strBox;
      if (c.how == SpinCase::KeyUp || c.how == SpinCase::KeyDown) {
        QTest::keyClick(view.WidgetOf(*box), c.how == SpinCase::KeyUp ? Qt::Key_Up : Qt::Key_Down);
      } else {
        for (QToolButton* arrow : view.WidgetOf(*spinner)->findChildren<QToolButton*>()) {
          const bool blnUp = arrow->arrowType() == Qt::UpArrow;
          if (blnUp == (c.how == SpinCase::ArrowUp)) QTest::mouseClick(arrow, Qt::LeftButton);
        }
      }
      EXPECT_EQ(box->Text(), c.strAfter) << c.strBox << " " << c.strTyped;
      EXPECT_EQ(qobject_cast<QLineEdit*>(view.WidgetOf(*box))->text().toStdString(), c.strAfter);
    }
  });
}

TEST_F(WizardSteps, CheckBoxesFollowClicksAndClearAGreyedState) {
  struct Case {
    int intBefore;
    int intAfter;
  };
  Launch([&](FormView& view, frmQuorvan& frm) {
    frm.txtChartPath.Text("/tmp/K.xls");
    for (int i = 0; i < 2; ++i) ClickOn(view, frm.cmdNext);
    for (const Case c :
         {Case{forms::vbUnchecked, forms::vbChecked}, Case{forms::vbChecked, forms::vbUnchecked},
          Case{forms::vbGrayed, forms::vbUnchecked}}) {
      frm.chkStatus.Value(c.intBefore);
      auto* box = qobject_cast<QCheckBox*>(view.WidgetOf(frm.chkStatus));
      EXPECT_EQ(box->checkState() == Qt::PartiallyChecked, c.intBefore == forms::vbGrayed);
      ClickOn(view, frm.chkStatus);
      EXPECT_EQ(frm.chkStatus.Value(), c.intAfter) << "vorher " << c.intBefore;
      EXPECT_EQ(box->isChecked(), c.intAfter == forms::vbChecked);
    }
    // The space bar ticks the box that has the focus.
    QTest::keyClick(view.WidgetOf(frm.chkStatus), Qt::Key_Space);
    EXPECT_EQ(frm.chkStatus.Value(), forms::vbChecked);
  });
}

struct RefusedCase {
  int intStep;     // the step where the button is pressed
  bool blnFinish;  // Finish, else Next
  const char* strBox;
  const char* strValue;
  const char* strMessage;
};

TEST_F(WizardSteps, RefusedValuesShowTheirMessageAndTheirStepWithTheFocusInTheirBox) {
  const RefusedCase cases[] = {
      {1, false, "txtChartPath", "", "Legen Sie den Speicherort des Diagramms fest."},
      {4, false, "txtArrowThickness", "6,25",
       "Bitte nur Linienstärken zwischen 0,25 und 6 eingeben.    "},
      {4, false, "txtArrowThickness", "dick",
       "Bitte nur Linienstärken zwischen 0,25 und 6 eingeben.    "},
      {4, false, "txtColumnWidth", "20.6",
       "Bitte nur Spaltenbreiten zwischen 4 und 20 eingeben.    "},
      {4, false, "txtRowHeight", "90.6", "Bitte nur Zeilenhöhen zwischen 18 und 90 eingeben.    "},
      {6, true, "txtRowHeight", "95", "Bitte nur Zeilenhöhen zwischen 18 und 90 eingeben.    "},
  };
  for (const RefusedCase& c : cases) {
    boxes_.clear();
    Launch([&](FormView& view, frmQuorvan& frm) {
      Type(view, frm.txtChartPath, "/tmp/K.xls");
      for (int step = 1; step < c.intStep; ++step) ClickOn(view, frm.cmdNext);
      for (forms::Control* ctl : frm.Controls()) {
        if (ctl->Name() != c.strBox) continue;
        // A box on another step holds the value as if typed there before.
        if (c.intStep == 6) {
          static_cast<forms::TextBox*>(ctl)->Text(c.strValue);
        } else {
          Type(view, *ctl, c.strValue);
        }
      }
      ClickOn(view, c.blnFinish ? frm.cmdFinish : frm.cmdNext);
      EXPECT_EQ(frm.cmdNext.Tag(), c.blnFinish ? "Step4" : "Step" + std::to_string(c.intStep));
      // The box of the refused value has the focus, its text selected to be typed anew.
      // (the window's focus, which the window has again once it is active after the box)
      const forms::Control* focused = view.ControlOf(view.focusWidget());
      EXPECT_EQ(focused != nullptr ? focused->Name() : "", c.strBox)
          << c.strBox << " = " << c.strValue;
      QLineEdit* box = nullptr;
      for (forms::Control* ctl : frm.Controls()) {
        if (ctl->Name() == c.strBox) box = qobject_cast<QLineEdit*>(view.WidgetOf(*ctl));
      }
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->selectedText(), box->text());
      if (c.intStep == 4) SaveShot(view, "wizard-message-shown");
    });
    ASSERT_EQ(boxes_.size(), 1U) << c.strBox << " = " << c.strValue;
    EXPECT_EQ(boxes_[0].strText, c.strMessage);
    EXPECT_EQ(boxes_[0].strTitle, "Quorvan Assistent");
    EXPECT_EQ(boxes_[0].icon, QMessageBox::Warning);
  }
}

TEST_F(WizardSteps, InformationDialogOpensBesideTheWizardAndItsLinkGoesToTheBrowser) {
  Launch([&](FormView& wizard, frmQuorvan& frm) {
    onOtherForm_ = [&](FormView& info) {
      auto* frmInformation = dynamic_cast<frmInfo*>(&info.Form());
      ASSERT_NE(frmInformation, nullptr);
      SaveShot(info, "info-dialog");
      EXPECT_EQ(info.windowTitle().toStdString(), "Quorvan Info");
      EXPECT_EQ(info.pos() - wizard.pos(), QPoint(info.Pixels(300), info.Pixels(300)));
      // The link underlines under the mouse and loses it over the dialog's free area.
      QWidget* web = info.WidgetOf(frmInformation->lblWeb);
      MoveMouse(*web, web->rect().center());
      EXPECT_TRUE(web->font().underline());
      MoveMouse(*info.WidgetOf(frmInformation->lblInfo1), {2, 2});
      EXPECT_TRUE(web->font().underline());
      MoveMouse(info, QPoint(info.width() - 4, info.height() - 4));
      EXPECT_FALSE(web->font().underline());
      ClickOn(info, frmInformation->lblWeb);
      ClickOn(info, frmInformation->imgLogo);
      ClickOn(info, frmInformation->cmdOK);
      EXPECT_FALSE(frmInformation->Loaded());
    };
    ClickOn(wizard, frm.cmdInfo);
  });
  ASSERT_EQ(dialogs_.Links().size(), 2U);
  EXPECT_EQ(dialogs_.Links()[0].strFile.rfind("http", 0), 0U);
  EXPECT_EQ(dialogs_.Links()[0].strOperation, "Open");
}

}  // namespace
}  // namespace guitest
