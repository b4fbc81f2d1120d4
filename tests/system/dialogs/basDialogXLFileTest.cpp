// Asking for a workbook file name, and the wizard's save dialog for the chart.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/basDialogXLFile.h"
#include "support/MsgBoxScript.h"
#include "support/ScriptedBackend.h"

namespace {

using namespace std::string_literals;

TEST(GetXLFileName, SaveAndOpenShowTheirDialogs) {
  shell::ScriptedBackend backend;
  backend.AnswerFile("/home/anna/Chart.xls");
  EXPECT_EQ(basDialogXLFile::GetXLFileName("Titel", "Save", "/home/anna", "Chart.xls", "xls",
                                           "Excel (*.xls)\0*.xls"s),
            "/home/anna/Chart.xls");
  backend.AnswerFile("/home/anna/Plan.xml");
  EXPECT_EQ(basDialogXLFile::GetXLFileName("Titel", "Open", "", "", "xml", ""),
            "/home/anna/Plan.xml");

  ASSERT_EQ(backend.FileDialogs().size(), 2u);
  const shell::FileDialogRequest& save = backend.FileDialogs()[0];
  EXPECT_TRUE(save.blnSave);
  EXPECT_EQ(save.strTitle, "Titel");
  EXPECT_EQ(save.strInitialDir, "/home/anna");
  EXPECT_EQ(save.strFile, "Chart.xls");
  EXPECT_EQ(save.strDefExt, "xls");
  EXPECT_EQ(save.strFilterList, "Excel (*.xls)\0*.xls\0\0"s);
  const shell::FileDialogRequest& open = backend.FileDialogs()[1];
  EXPECT_FALSE(open.blnSave);
  EXPECT_EQ(open.record.Flags, 0x1804u);
  // Without a folder the dialog starts in the current one.
  EXPECT_FALSE(open.strInitialDir.empty());
}

TEST(GetXLFileName, CancelAndUnknownIntentions) {
  shell::ScriptedBackend backend;
  forms::MsgBoxScript boxes;
  backend.Cancel();
  EXPECT_EQ(basDialogXLFile::GetXLFileName("T", "Save", "", "a.xls", "xls", ""), "");
  backend.AnswerFile("/x.xls");
  // Intentions are compared exactly; anything else shows no dialog.
  EXPECT_EQ(basDialogXLFile::GetXLFileName("T", "save", "", "a.xls", "xls", ""), "");
  EXPECT_EQ(basDialogXLFile::GetXLFileName("T", "Print", "", "a.xls", "xls", ""), "");
  EXPECT_EQ(backend.FileDialogs().size(), 1u);
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(ProposeChartFileName, ReplacesTheProjectFilesExtension) {
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName("Plan.mpp"), "Plan.xls");
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName("Projekt Übersicht.xml"),
            "Projekt Übersicht.xls");
  // The last four characters, not bytes.
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName("Planäöüß"), "Plan.xls");
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName("A.mpp"), "A.xls");
}

TEST(ProposeChartFileName, ShortNamesLoseOnlyTheirExtension) {
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName("P.x"), "P.xls");
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName("Abc"), "Abc.xls");
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName("Äb"), "Äb.xls");
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName(".mpp"), "Kommunikationsdiagramm.xls");
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName(".x"), "Kommunikationsdiagramm.xls");
  EXPECT_EQ(basDialogXLFile::ProposeChartFileName(""), "Kommunikationsdiagramm.xls");
}

TEST(GetChartFileName, WizardSaveDialog) {
  shell::ScriptedBackend backend;
  backend.AnswerFile("/home/anna/Projekte/Plan");
  EXPECT_EQ(basDialogXLFile::GetChartFileName("/home/anna/Projekte", "Plan.mpp"),
            "/home/anna/Projekte/Plan.xls");
  const shell::FileDialogRequest& request = backend.FileDialogs().at(0);
  EXPECT_TRUE(request.blnSave);
  EXPECT_EQ(request.strTitle, "Kommunikationsdiagramm speichern");
  EXPECT_EQ(request.strInitialDir, "/home/anna/Projekte");
  EXPECT_EQ(request.strFile, "Plan.xls");
  EXPECT_EQ(request.strDefExt, "xls");
  EXPECT_EQ(request.record.Flags, 0x806u);
  // A description without a pattern: one filter entry with an empty pattern.
  EXPECT_EQ(request.strFilterList, "Excel-Arbeitsmappe (*.xls)\0\0"s);
  ASSERT_EQ(request.filters.size(), 1u);
  EXPECT_EQ(request.filters[0].strDescription, "Excel-Arbeitsmappe (*.xls)");
  EXPECT_EQ(request.filters[0].strPattern, "");

  backend.Cancel();
  EXPECT_EQ(basDialogXLFile::GetChartFileName("/home/anna/Projekte", "Plan.mpp"), "");
}

}  // namespace
