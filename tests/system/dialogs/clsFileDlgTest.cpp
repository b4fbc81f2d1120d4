// The file dialog class as the dialog backend sees it: filters, flags, the record, the
// results of OK and Cancel, multiple selection, and the failures it reports.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "dialogs/clsFileDlg.h"
#include "platform/forms/Constants.h"
#include "platform/shell/Error.h"
#include "support/MsgBoxScript.h"
#include "support/ScriptedBackend.h"
#include "support/TestSupport.h"

namespace {

using namespace std::string_literals;

class FileDlg : public ::testing::Test {
 protected:
  const shell::FileDialogRequest& LastRequest() const {
    EXPECT_FALSE(backend.FileDialogs().empty());
    return backend.FileDialogs().back();
  }

  shell::ScriptedBackend backend;
  forms::MsgBoxScript boxes;
  clsFileDlg dlg;
};

// --- Filters ---------------------------------------------------------------------------------

TEST_F(FileDlg, WithoutAnyFilterOffersAllFiles) {
  dlg.ShowSave();
  EXPECT_EQ(LastRequest().strFilterList, "Alle Dateien\0*.*\0\0"s);
  ASSERT_EQ(LastRequest().filters.size(), 1u);
  EXPECT_EQ(LastRequest().filters[0].strPattern, "*.*");
}

// The backend sees each list up to its closing double NUL.
TEST_F(FileDlg, FilterWithOrWithoutClosingNulsGivesOneList) {
  dlg.Filter("Text (*.txt)\0*.txt"s);
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().strFilterList, "Text (*.txt)\0*.txt\0\0"s);

  dlg.Filter("Text (*.txt)\0*.txt\0\0"s);
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().strFilterList, "Text (*.txt)\0*.txt\0\0"s);
  ASSERT_EQ(LastRequest().filters.size(), 1u);
  EXPECT_EQ(LastRequest().filters[0].strPattern, "*.txt");
}

TEST_F(FileDlg, FurtherFiltersNeedBothDescriptionAndPattern) {
  dlg.Filter1Text("Eins");
  dlg.Filter1Suffix("*.1");
  dlg.Filter2Text("Zwei");  // no pattern: skipped
  dlg.Filter3Text("Drei");
  dlg.Filter3Suffix("*.3");
  dlg.Filter4Suffix("*.4");  // no description: skipped
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().strFilterList, "Eins\0*.1\0Drei\0*.3\0\0"s);

  // The filter goes in front of them.
  dlg.Filter("Alle\0*.*"s);
  dlg.Filter5Text("Fünf");
  dlg.Filter5Suffix("*.5");
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().strFilterList, "Alle\0*.*\0Eins\0*.1\0Drei\0*.3\0Fünf\0*.5\0\0"s);
}

TEST_F(FileDlg, AnEmptiedFilterCountsAsNone) {
  dlg.Filter("");
  dlg.ShowSave();
  EXPECT_EQ(LastRequest().strFilterList, "Alle Dateien\0*.*\0\0"s);
}

// --- Flags -----------------------------------------------------------------------------------

TEST_F(FileDlg, FlagsChosenByIntention) {
  dlg.ShowSave();
  EXPECT_EQ(LastRequest().record.Flags, 0x806u);
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().record.Flags, 0x1804u);
  dlg.MultiSelect(true);
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().record.Flags, 0x81A04u);
}

TEST_F(FileDlg, ExplicitFlagsAreKeptAndGainMultipleSelection) {
  dlg.Flags(0x2);
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().record.Flags, 0x2u);
  dlg.MultiSelect(true);
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().record.Flags, 0x80202u);
  // Flags that already allow multiple selection keep their other bits as they are.
  dlg.Flags(0x80204);
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().record.Flags, 0x80204u);
}

// --- The record ------------------------------------------------------------------------------

TEST_F(FileDlg, RecordAsTheBackendReceivesIt) {
  dlg.hwnd(4711);
  dlg.DefaultDir("/home/anna/Projekte");
  dlg.DefaultFileName("Plan.xls");
  dlg.DefaultExt("xls");
  dlg.DialogTitle("Kommunikationsdiagramm speichern");
  dlg.ShowSave();
  const shell::FileDialogRequest& request = LastRequest();
  EXPECT_TRUE(request.blnSave);
  const shell::OPENFILENAME& ofn = request.record;
  EXPECT_EQ(ofn.lStructSize, 76u);
  EXPECT_EQ(ofn.hwndOwner, 0u);
  EXPECT_EQ(ofn.hInstance, 0u);
  EXPECT_NE(ofn.lpstrFilter, 0u);
  EXPECT_EQ(ofn.lpstrCustomFilter, 0u);
  EXPECT_EQ(ofn.nMaxCustFilter, 0u);
  EXPECT_EQ(ofn.nFilterIndex, 1u);
  EXPECT_NE(ofn.lpstrFile, 0u);
  EXPECT_EQ(ofn.nMaxFile, 512u);
  EXPECT_EQ(ofn.lpstrFileTitle, 0u);
  EXPECT_EQ(ofn.nMaxFileTitle, 0u);
  EXPECT_NE(ofn.lpstrInitialDir, 0u);
  EXPECT_NE(ofn.lpstrTitle, 0u);
  EXPECT_EQ(ofn.nFileOffset, 0);
  EXPECT_EQ(ofn.nFileExtension, 0);
  EXPECT_NE(ofn.lpstrDefExt, 0u);
  EXPECT_EQ(ofn.lCustData, 0);
  EXPECT_EQ(ofn.lpfnHook, 0u);
  EXPECT_EQ(ofn.lpTemplateName, 0u);
  EXPECT_EQ(request.strFile, "Plan.xls");
  EXPECT_EQ(request.strInitialDir, "/home/anna/Projekte");
  EXPECT_EQ(request.strTitle, "Kommunikationsdiagramm speichern");
  EXPECT_EQ(request.strDefExt, "xls");
}

TEST_F(FileDlg, DefaultsOfANewDialog) {
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().strTitle, "Datei öffnen");
  EXPECT_EQ(LastRequest().strInitialDir, std::filesystem::current_path().string());
  EXPECT_EQ(LastRequest().strDefExt, "");
  EXPECT_EQ(LastRequest().strFile, "");
  dlg.ShowSave();
  EXPECT_EQ(LastRequest().strTitle, "Datei speichern unter");
  dlg.DialogTitle("");
  dlg.ShowSave();
  EXPECT_EQ(LastRequest().strTitle, "Datei speichern unter");
}

TEST_F(FileDlg, MultipleSelectionEnlargesTheBuffer) {
  dlg.MultiSelect(true);
  dlg.ShowOpen();
  EXPECT_EQ(LastRequest().record.nMaxFile, 2000u);
  clsFileDlg raw;
  raw.MultiSelectOCXCompatible(true);
  raw.ShowOpen();
  EXPECT_EQ(LastRequest().record.nMaxFile, 2000u);
  EXPECT_EQ(LastRequest().record.Flags, 0x81A04u);
}

// --- Results ---------------------------------------------------------------------------------

TEST_F(FileDlg, OkAndCancel) {
  backend.AnswerFile("/home/anna/Diagramm.xls");
  EXPECT_EQ(dlg.ShowSave(), "/home/anna/Diagramm.xls");
  EXPECT_EQ(dlg.FileName(), "/home/anna/Diagramm.xls");

  backend.AnswerFile("/home/anna/Plan.xml");
  EXPECT_EQ(dlg.ShowOpen(), "/home/anna/Plan.xml");
  EXPECT_EQ(dlg.FileCount(), 1);

  backend.Cancel();
  EXPECT_EQ(dlg.ShowOpen(), "");
  EXPECT_EQ(dlg.FileName(), "");
  EXPECT_EQ(dlg.FileCount(), 0);

  backend.Cancel();
  EXPECT_EQ(dlg.ShowSave(), "");
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FileDlg, ALongerProposedNameLeavesNoRestInTheResult) {
  dlg.DefaultFileName("Ein sehr langer vorgeschlagener Name.xls");
  backend.AnswerFile("/a.xls");
  EXPECT_EQ(dlg.ShowSave(), "/a.xls");
}

TEST_F(FileDlg, MultipleSelectionIsReadFileByFile) {
  dlg.MultiSelect(true);
  backend.AnswerFiles({"/home/anna/a.mpp", "/home/anna/b.xml", "/home/anna/c d.xml"});
  EXPECT_EQ(dlg.ShowOpen(), "/home/anna/a.mpp");
  EXPECT_EQ(dlg.FileName(), "/home/anna/a.mpp");
  EXPECT_EQ(dlg.FileCount(), 3);
  EXPECT_EQ(dlg.GetNextFile(), "/home/anna/b.xml");
  EXPECT_EQ(dlg.GetNextFile(), "/home/anna/c d.xml");
  EXPECT_EQ(dlg.GetNextFile(), "");
  EXPECT_EQ(dlg.GetNextFile(), "");
}

TEST_F(FileDlg, MultipleSelectionOfOneFile) {
  dlg.MultiSelect(true);
  backend.AnswerFiles({"/home/anna/a.mpp"});
  EXPECT_EQ(dlg.ShowOpen(), "/home/anna/a.mpp");
  EXPECT_EQ(dlg.FileCount(), 1);
  EXPECT_EQ(dlg.GetNextFile(), "");
}

TEST_F(FileDlg, MultipleSelectionInTheRootFolder) {
  dlg.MultiSelect(true);
  backend.AnswerFiles({"/a", "/b"});
  EXPECT_EQ(dlg.ShowOpen(), "/a");
  EXPECT_EQ(dlg.GetNextFile(), "/b");
}

TEST_F(FileDlg, ANewShowForgetsTheLastSelection) {
  dlg.MultiSelect(true);
  backend.AnswerFiles({"/x/a", "/x/b"});
  dlg.ShowOpen();
  backend.Cancel();
  dlg.ShowOpen();
  EXPECT_EQ(dlg.FileCount(), 0);
  EXPECT_EQ(dlg.GetNextFile(), "");
}

TEST_F(FileDlg, RawMultipleSelection) {
  dlg.MultiSelectOCXCompatible(true);
  backend.AnswerFiles({"/x/a", "/x/b"});
  EXPECT_EQ(dlg.ShowOpen(), "/x\0a\0b"s);
  EXPECT_EQ(dlg.FileCount(), 2);
  backend.AnswerFiles({"/x/a"});
  EXPECT_EQ(dlg.ShowOpen(), "/x/a");
}

// --- Failures --------------------------------------------------------------------------------

TEST_F(FileDlg, FailingOpenDialogIsReported) {
  // Files of two folders cannot come from one dialog: the dialog fails.
  dlg.MultiSelect(true);
  backend.AnswerFiles({"/x/a", "/y/b"});
  EXPECT_EQ(dlg.ShowOpen(), "");
  EXPECT_EQ(dlg.FileCount(), 0);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].strTitle, "Exit_ShowOpen");
  EXPECT_EQ(boxes.Boxes()[0].intButtons, forms::vbOKOnly);
  EXPECT_EQ(boxes.Boxes()[0].strPrompt,
            "Der Dateidialog hat Dateien aus mehreren Ordnern geliefert");
}

TEST_F(FileDlg, ProposedNameThatFillsTheBufferIsReported) {
  dlg.DefaultFileName(std::string(511, 'a'));
  backend.AnswerFile("/a");
  EXPECT_EQ(dlg.ShowSave(), "/a");
  dlg.DefaultFileName(std::string(512, 'a'));
  EXPECT_EQ(dlg.ShowSave(), "");
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].strTitle, "Exit_ShowSave");
  EXPECT_EQ(boxes.Boxes()[0].strPrompt, "Ungültiger Prozeduraufruf oder ungültiges Argument");
}

TEST(FileDlgInit, VanishedCurrentFolderIsReported) {
  shell::ScriptedBackend backend;
  forms::MsgBoxScript boxes;
  const std::filesystem::path previous = std::filesystem::current_path();
  {
    testsupport::TempDir dir;
    std::filesystem::current_path(dir / ".");
  }
  clsFileDlg dlg;
  std::filesystem::current_path(previous);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].strTitle, "Exit_Class_Initialize");
  EXPECT_EQ(boxes.Boxes()[0].strPrompt, "Pfad nicht gefunden");
  // The dialog still works.
  backend.AnswerFile("/a.xls");
  EXPECT_EQ(dlg.ShowSave(), "/a.xls");
  EXPECT_EQ(backend.FileDialogs()[0].strInitialDir, "");
}

// --- The folder dialog -----------------------------------------------------------------------

TEST_F(FileDlg, FolderChosenOrCancelled) {
  backend.AnswerFolder("/home/anna/Projekte");
  EXPECT_EQ(dlg.ShowFolder(), "/home/anna/Projekte");
  EXPECT_EQ(dlg.FileName(), "/home/anna/Projekte");
  const shell::BROWSEINFO& bi = backend.FolderDialogs().at(0).record;
  EXPECT_EQ(bi.hwndOwner, 0u);
  EXPECT_EQ(bi.pidlRoot, 0u);
  EXPECT_EQ(bi.lpszTitle, 0u);
  EXPECT_EQ(bi.ulFlags, 0u);

  backend.Cancel();
  EXPECT_EQ(dlg.ShowFolder(), "");
  backend.AnswerFolder("");  // an item outside the file system
  EXPECT_EQ(dlg.ShowFolder(), "");
  EXPECT_TRUE(boxes.Boxes().empty());
}

// A folder browser that fails.
class FailingBackend : public shell::ScriptedBackend {
 public:
  std::optional<std::string> BrowseForFolder(const shell::FolderDialogRequest&) override {
    throw shell::Error("Kein Ordnerdialog");
  }
};

TEST(FileDlgFolder, FailureShowsNumberAndDescription) {
  FailingBackend backend;
  forms::MsgBoxScript boxes;
  clsFileDlg dlg;
  EXPECT_EQ(dlg.ShowFolder(), "");
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].strTitle, "ShowFolder");
  EXPECT_EQ(boxes.Boxes()[0].strPrompt, "5: Kein Ordnerdialog");
}

}  // namespace
