// Qt's dialogs behind the shell's common dialogs, driven through the system's own callers:
// the wizard's save dialog (basDialogXLFile), the file dialog class (clsFileDlg) and the
// colour picker (basColor).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include "dialogs/basColor.h"
#include "dialogs/basDialogXLFile.h"
#include "dialogs/basMail.h"
#include "dialogs/clsFileDlg.h"
#include "frontend/gui/HostTesting.h"
#include "gui/shell/GermanQt.h"
#include "platform/shell/ShellApi.h"
#include "platform/shell/Types.h"

namespace {

using guitest::ExamplePlan;
using guitest::HostTest;

class QtShellBackendTest : public HostTest {
 protected:
  std::string Dir() const { return dir_.Path().string(); }
  std::string InDir(const std::string& strName) const { return (dir_ / strName).string(); }

  // The wizard's save dialog for the chart of Plan.xml in the scratch folder.
  std::string SaveChart() {
    return basDialogXLFile::GetXLFileName("Kommunikationsdiagramm speichern", "Save", Dir(),
                                          "Plan.xls", "xls", "Excel-Arbeitsmappe (*.xls)");
  }

  // Answers the next question box (the overwrite question) with its first button; counts it.
  void AnswerNextQuestion() {
    QTimer::singleShot(0, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++intQuestions_;
        box->button(QMessageBox::Yes)->click();
      }
    });
  }

  int intQuestions_ = 0;
};

TEST_F(QtShellBackendTest, TheWizardsSaveDialogProposesTheNameAndAppendsTheExtension) {
  struct Case {
    const char* strTyped;  // nullptr: the proposed name stays; "": Cancel
    std::string strExpected;
  };
  const Case kCases[] = {
      {nullptr, InDir("Plan.xls")},
      {"Diagramm", InDir("Diagramm.xls")},
      {"Diagramm.neu.xlsx", InDir("Diagramm.neu.xlsx")},
      // A typed suffix stays, as the spreadsheet program saves under any name.
      {"Stand 05.03", InDir("Stand 05.03")},
      {"Diagramm.alt", InDir("Diagramm.alt")},
      {"", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.strTyped == nullptr ? "(vorgeschlagen)" : c.strTyped);
    int intShown = 0;
    shell_.OnDialog = [&](QDialog& dialog) {
      ++intShown;
      auto& files = dynamic_cast<QFileDialog&>(dialog);
      EXPECT_EQ(files.windowTitle(), "Kommunikationsdiagramm speichern");
      EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
      EXPECT_TRUE(files.testOption(QFileDialog::DontUseNativeDialog));
      // The wizard passes a description only; its pattern is read from the parentheses.
      EXPECT_EQ(files.nameFilters(), QStringList{"Excel-Arbeitsmappe (*.xls)"});
      EXPECT_EQ(files.directory().absolutePath().toStdString(), Dir());
      EXPECT_EQ(files.selectedFiles(), QStringList{QString::fromStdString(InDir("Plan.xls"))});
      if (c.strTyped != nullptr && *c.strTyped == '\0') {
        dialog.reject();
        return;
      }
      if (c.strTyped != nullptr) files.selectFile(c.strTyped);
      dialog.accept();
    };
    EXPECT_EQ(SaveChart(), c.strExpected);
    EXPECT_EQ(intShown, 1);
  }
}

TEST_F(QtShellBackendTest, AnExistingFileIsOverwrittenAfterTheQuestionOnlyWhenTheFlagAsksForIt) {
  testsupport::WriteFile(dir_ / "Plan.xls", "alt");
  shell_.OnDialog = [this](QDialog& dialog) {
    AnswerNextQuestion();
    dialog.accept();
  };
  // The wizard's dialog asks (OFN_OVERWRITEPROMPT among the flags the class chooses).
  EXPECT_EQ(SaveChart(), InDir("Plan.xls"));
  EXPECT_EQ(intQuestions_, 1);

  // Flags of the caller's own without the question.
  clsFileDlg dlg;
  dlg.DefaultDir(Dir());
  dlg.DefaultFileName("Plan.xls");
  dlg.Flags(static_cast<std::int32_t>(shell::OFN_PATHMUSTEXIST | shell::OFN_HIDEREADONLY));
  EXPECT_EQ(dlg.ShowSave(), InDir("Plan.xls"));
  EXPECT_EQ(intQuestions_, 1);
}

TEST_F(QtShellBackendTest, TheOpenDialogOffersTheCallersFiltersAndReturnsSeveralFiles) {
  for (const char* strName : {"A.xml", "B.xml", "C.txt"})
    testsupport::WriteFile(dir_ / strName, "x");
  clsFileDlg dlg;
  dlg.DefaultDir(Dir());
  dlg.DialogTitle("Pläne wählen");
  dlg.Filter1Text("Projektpläne");
  dlg.Filter1Suffix("*.xml;*.mpp");
  dlg.Filter3Text("Alle Dateien");
  dlg.Filter3Suffix("*.*");
  dlg.MultiSelect(true);
  shell_.OnDialog = [](QDialog& dialog) {
    auto& files = dynamic_cast<QFileDialog&>(dialog);
    EXPECT_EQ(files.windowTitle(), "Pläne wählen");
    EXPECT_EQ(files.fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(files.nameFilters(),
              (QStringList{"Projektpläne (*.xml *.mpp)", "Alle Dateien (*.*)"}));
    EXPECT_EQ(files.selectedNameFilter(), "Projektpläne (*.xml *.mpp)");
    files.selectFile("\"A.xml\" \"B.xml\"");
    dialog.accept();
  };
  EXPECT_EQ(dlg.ShowOpen(), InDir("A.xml"));
  EXPECT_EQ(dlg.FileCount(), 2);
  EXPECT_EQ(dlg.GetNextFile(), InDir("B.xml"));
}

TEST_F(QtShellBackendTest, TheColourDialogStartsAtTheColourAndKeepsTheUsersCustomColours) {
  // Windows colour values: red in the low byte.
  const std::int32_t lngInit = 0x3366CC;  // red CC, green 66, blue 33
  auto show = [](std::int32_t lngInitColor, std::int32_t lngCustom1) {
    return basColor::ShowColorDialog(lngInitColor, lngCustom1, 0x0000FF, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0);
  };

  shell_.OnDialog = [](QDialog& dialog) {
    auto& colors = dynamic_cast<QColorDialog&>(dialog);
    EXPECT_EQ(colors.currentColor(), QColor(0xCC, 0x66, 0x33));
    EXPECT_EQ(QColorDialog::customColor(0), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(QColorDialog::customColor(1), QColor(0xFF, 0, 0));
    // The user keeps a colour of her own among the custom colours, then picks another.
    QColorDialog::setCustomColor(7, QColor(0x12, 0x34, 0x56));
    colors.setCurrentColor(QColor(0x00, 0x80, 0xFF));
    colors.accept();
  };
  EXPECT_EQ(show(lngInit, 0x302010), 0xFF8000);

  // The next dialog shows her custom colour again; Cancel gives back the initial colour.
  shell_.OnDialog = [](QDialog& dialog) {
    EXPECT_EQ(QColorDialog::customColor(7), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(QColorDialog::customColor(0), QColor(0x10, 0x20, 0x30));
    dialog.reject();
  };
  EXPECT_EQ(show(lngInit, 0), lngInit);
}

TEST_F(QtShellBackendTest, LinksAndDocumentsGoToTheDesktop) {
  testsupport::WriteFile(dir_ / "Diagramm.xlsx", "x");
  // The information dialog's link, and a document as ShellExecute names it.
  basMail::OpenLink("www.tevrana.example/quorvan");
  EXPECT_GT(shell::ShellExecuteA(0, "Open", InDir("Diagramm.xlsx").c_str(), nullptr, nullptr,
                                 shell::SW_SHOWNORMAL),
            32u);
  // Other verbs are not the desktop's.
  EXPECT_EQ(shell::ShellExecuteA(0, "print", InDir("Diagramm.xlsx").c_str(), nullptr, nullptr,
                                 shell::SW_SHOWNORMAL),
            shell::SE_ERR_NOASSOC);
  ASSERT_EQ(links_.Opened().size(), 2u);
  EXPECT_EQ(links_.Opened()[0].toString(), "http://www.tevrana.example/quorvan");
  EXPECT_EQ(links_.Opened()[1].toLocalFile().toStdString(), InDir("Diagramm.xlsx"));
}

TEST_F(QtShellBackendTest, QtsOwnButtonsSpeakGerman) {
  QTranslator translator;
  ASSERT_TRUE(gui::InstallGermanQt(translator));
  QStringList colButtons;
  shell_.OnDialog = [&](QDialog& dialog) {
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
      colButtons << button->text().remove(QLatin1Char('&'));
    }
    dialog.reject();
  };
  EXPECT_EQ(SaveChart(), "");
  EXPECT_TRUE(colButtons.contains("Speichern")) << colButtons.join(", ").toStdString();
  EXPECT_TRUE(colButtons.contains("Abbrechen")) << colButtons.join(", ").toStdString();
}

}  // namespace
