// Message boxes and DoEvents, with and without a front end.

#include <gtest/gtest.h>

#include "platform/forms/Forms.h"
#include "support/MsgBoxScript.h"

namespace {

TEST(MsgBoxTest, WithoutAFrontEndTheAnswerChangesNothing) {
  EXPECT_EQ(forms::MsgBox("Hinweis", forms::vbOKOnly + forms::vbExclamation, "Quorvan"),
            forms::vbOK);
  EXPECT_EQ(forms::MsgBox("Weiter?", forms::vbYesNo + forms::vbQuestion, "Quorvan"), forms::vbNo);
  EXPECT_EQ(forms::MsgBox("Speichern?", forms::vbYesNoCancel), forms::vbCancel);
  EXPECT_EQ(forms::MsgBox("Weiter?", forms::vbOKCancel), forms::vbCancel);
}

TEST(MsgBoxTest, AScriptAnswersInTurnRecordsEveryBoxAndRestoresTheHandler) {
  int intOuterCalls = 0;
  auto previous = forms::SetMsgBoxHandler([&](const std::string&, int, const std::string&) {
    ++intOuterCalls;
    return forms::vbYes;
  });
  {
    forms::MsgBoxScript script;
    script.Answer(forms::vbYes);
    EXPECT_EQ(
        forms::MsgBox("Doppelte Namen. Fortfahren?", forms::vbYesNo + forms::vbQuestion, "Quorvan"),
        forms::vbYes);
    EXPECT_EQ(forms::MsgBox("Noch einmal?", forms::vbYesNo + forms::vbQuestion, "Quorvan"),
              forms::vbNo);
    ASSERT_EQ(script.Boxes().size(), 2U);
    EXPECT_EQ(script.Boxes()[0].strPrompt, "Doppelte Namen. Fortfahren?");
    EXPECT_EQ(script.Boxes()[0].intButtons, 36);
    EXPECT_EQ(script.Boxes()[0].strTitle, "Quorvan");
    EXPECT_EQ(script.Boxes()[1].intAnswer, forms::vbNo);
  }
  EXPECT_EQ(forms::MsgBox("x"), forms::vbYes);
  EXPECT_EQ(intOuterCalls, 1);
  forms::SetMsgBoxHandler(previous);
}

TEST(DoEventsTest, LetsTheFrontEndRepaint) {
  forms::DoEvents();  // nothing installed: nothing happens
  int intRepaints = 0;
  auto previous = forms::SetDoEventsHandler([&] { ++intRepaints; });
  forms::DoEvents();
  forms::DoEvents();
  forms::SetDoEventsHandler(previous);
  forms::DoEvents();
  EXPECT_EQ(intRepaints, 2);
}

}  // namespace
