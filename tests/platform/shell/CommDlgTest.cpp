#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "platform/shell/CommDlg.h"
#include "platform/shell/Error.h"
#include "support/ScriptedBackend.h"

namespace {

using namespace std::string_literals;

// A file dialog record as a caller fills it, with its buffers.
struct FileDialogCall {
  std::string strFilter = "Text (*.txt)\0*.txt\0Alle\0*.*\0\0"s;
  std::string strFile;
  std::string strDir = "/home/anna\0"s;
  std::string strTitle = "Öffnen\0"s;
  std::string strDefExt = "txt\0"s;
  shell::Buffers mem;
  shell::OPENFILENAME ofn;

  explicit FileDialogCall(std::size_t size, const std::string& strProposed = "") {
    strFile = strProposed + std::string(size - strProposed.size(), '\0');
    ofn.lStructSize = 76;
    ofn.lpstrFilter = mem.LendText(strFilter);
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = mem.LendBuffer(strFile);
    ofn.nMaxFile = static_cast<shell::DWORD>(size);
    ofn.lpstrInitialDir = mem.LendText(strDir);
    ofn.lpstrTitle = mem.LendText(strTitle);
    ofn.lpstrDefExt = mem.LendText(strDefExt);
  }
};

TEST(FileDialogs, BackendReceivesTheRecordAndItsTexts) {
  shell::ScriptedBackend backend;
  FileDialogCall call(64, "Plan.xls");
  call.ofn.Flags = 0x806;
  backend.Cancel();
  EXPECT_EQ(shell::GetSaveFileNameA(call.ofn, call.mem), shell::FALSE);

  ASSERT_EQ(backend.FileDialogs().size(), 1u);
  const shell::FileDialogRequest& request = backend.FileDialogs()[0];
  EXPECT_TRUE(request.blnSave);
  EXPECT_EQ(request.record.lStructSize, 76u);
  EXPECT_EQ(request.record.Flags, 0x806u);
  EXPECT_EQ(request.record.nMaxFile, 64u);
  EXPECT_EQ(request.strFilterList, "Text (*.txt)\0*.txt\0Alle\0*.*\0\0"s);
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[1].strDescription, "Alle");
  EXPECT_EQ(request.filters[1].strPattern, "*.*");
  EXPECT_EQ(request.strFile, "Plan.xls");
  EXPECT_EQ(request.strInitialDir, "/home/anna");
  EXPECT_EQ(request.strTitle, "Öffnen");
  EXPECT_EQ(request.strDefExt, "txt");
  // Cancel leaves the buffer as it was.
  EXPECT_EQ(call.strFile.substr(0, 9), "Plan.xls\0"s);
}

TEST(FileDialogs, FilterWithADescriptionOnlyEndsAtTheEmptyPattern) {
  shell::ScriptedBackend backend;
  FileDialogCall call(32);
  call.strFilter = "Excel-Arbeitsmappe (*.xls)\0\0\0"s;
  call.ofn.lpstrFilter = call.mem.LendText(call.strFilter);
  shell::GetSaveFileNameA(call.ofn, call.mem);
  const shell::FileDialogRequest& request = backend.FileDialogs().at(0);
  ASSERT_EQ(request.filters.size(), 1u);
  EXPECT_EQ(request.filters[0].strDescription, "Excel-Arbeitsmappe (*.xls)");
  EXPECT_EQ(request.filters[0].strPattern, "");
}

TEST(FileDialogs, UnterminatedFilterListIsRefused) {
  shell::ScriptedBackend backend;
  FileDialogCall call(32);
  call.strFilter = "Text\0*.txt"s;
  call.ofn.lpstrFilter = call.mem.LendText(call.strFilter);
  EXPECT_THROW(shell::GetOpenFileNameA(call.ofn, call.mem), shell::Error);
}

TEST(FileDialogs, SaveWritesThePathAndAddsTheDefaultExtension) {
  shell::ScriptedBackend backend;
  FileDialogCall call(64, "Plan.txt");
  backend.AnswerFile("/home/anna/Diagramm");
  ASSERT_EQ(shell::GetSaveFileNameA(call.ofn, call.mem), shell::TRUE);
  EXPECT_EQ(call.strFile.substr(0, call.strFile.find('\0')), "/home/anna/Diagramm.txt");
  EXPECT_EQ(call.ofn.nFileOffset, 11);
  EXPECT_EQ(call.ofn.nFileExtension, 20);

  // A point in a folder name is no extension; a name with one keeps it.
  backend.AnswerFile("/home/anna/v1.2/Diagramm");
  ASSERT_EQ(shell::GetSaveFileNameA(call.ofn, call.mem), shell::TRUE);
  EXPECT_EQ(call.strFile.substr(0, call.strFile.find('\0')), "/home/anna/v1.2/Diagramm.txt");
  backend.AnswerFile("/home/anna/Diagramm.xls");
  ASSERT_EQ(shell::GetSaveFileNameA(call.ofn, call.mem), shell::TRUE);
  EXPECT_EQ(call.strFile.substr(0, call.strFile.find('\0')), "/home/anna/Diagramm.xls");
}

TEST(FileDialogs, OpenWithMultipleSelectionWritesFolderAndNames) {
  shell::ScriptedBackend backend;
  FileDialogCall call(100);
  call.ofn.Flags = 0x81A04;
  backend.AnswerFiles({"/home/anna/a.mpp", "/home/anna/b.xml"});
  ASSERT_EQ(shell::GetOpenFileNameA(call.ofn, call.mem), shell::TRUE);
  EXPECT_EQ(call.strFile.substr(0, 29), "/home/anna\0a.mpp\0b.xml\0\0"s + std::string(5, '\0'));
  EXPECT_EQ(call.ofn.nFileOffset, 11);

  // One file of a multiple selection: the full path and two NULs.
  backend.AnswerFiles({"/a.mpp"});
  ASSERT_EQ(shell::GetOpenFileNameA(call.ofn, call.mem), shell::TRUE);
  EXPECT_EQ(call.strFile.substr(0, 8), "/a.mpp\0\0"s);

  // Several files from the root folder.
  backend.AnswerFiles({"/a", "/b"});
  ASSERT_EQ(shell::GetOpenFileNameA(call.ofn, call.mem), shell::TRUE);
  EXPECT_EQ(call.strFile.substr(0, 7), "/\0a\0b\0\0"s);
}

TEST(FileDialogs, RefusesWhatWindowsWouldRefuse) {
  shell::ScriptedBackend backend;
  {
    FileDialogCall call(16);
    call.ofn.lStructSize = 88;
    EXPECT_EQ(shell::GetOpenFileNameA(call.ofn, call.mem), shell::FALSE);
    EXPECT_TRUE(backend.FileDialogs().empty());
  }
  {
    // The chosen path and its NUL do not fit: FALSE, and the buffer keeps its text.
    FileDialogCall call(8, "abc");
    backend.AnswerFile("/1234567");
    EXPECT_EQ(shell::GetOpenFileNameA(call.ofn, call.mem), shell::FALSE);
    EXPECT_EQ(call.strFile.substr(0, 4), "abc\0"s);
    backend.AnswerFile("/123456");
    EXPECT_EQ(shell::GetOpenFileNameA(call.ofn, call.mem), shell::TRUE);
  }
  {
    // The record claims a larger buffer than was lent.
    FileDialogCall call(8);
    call.ofn.nMaxFile = 9;
    EXPECT_THROW(shell::GetOpenFileNameA(call.ofn, call.mem), shell::Error);
  }
  {
    // The file buffer must be writable.
    FileDialogCall call(8);
    call.ofn.lpstrFile = call.mem.LendText(call.strFile);
    EXPECT_THROW(shell::GetOpenFileNameA(call.ofn, call.mem), shell::Error);
  }
}

TEST(FileDialogs, BackendAnswersThatNoDialogCanGiveAreRefused) {
  shell::ScriptedBackend backend;
  FileDialogCall call(100);
  call.ofn.Flags = 0x1804;
  backend.AnswerFiles({"/a/x", "/a/y"});
  EXPECT_THROW(shell::GetOpenFileNameA(call.ofn, call.mem), shell::Error);
  call.ofn.Flags = 0x81A04;
  backend.AnswerFiles({"/a/x", "/b/y"});
  EXPECT_THROW(shell::GetOpenFileNameA(call.ofn, call.mem), shell::Error);
  backend.AnswerColor(0);
  EXPECT_THROW(shell::GetOpenFileNameA(call.ofn, call.mem), std::logic_error);
}

TEST(FileDialogs, WithoutBackendEveryDialogIsCancelled) {
  ASSERT_EQ(shell::CurrentBackend(), nullptr);
  FileDialogCall call(16);
  EXPECT_EQ(shell::GetSaveFileNameA(call.ofn, call.mem), shell::FALSE);
  EXPECT_EQ(shell::GetOpenFileNameA(call.ofn, call.mem), shell::FALSE);
}

TEST(ColorDialog, ReadsAndWritesBackTheCustomColours) {
  shell::ScriptedBackend backend;
  std::array<std::uint32_t, 16> table{};
  table[0] = 0x0000FF;
  table[15] = 0x123456;
  shell::Buffers mem;
  shell::CHOOSECOLOR cc;
  cc.lStructSize = 36;
  cc.rgbResult = 0x00FF00;
  cc.lpCustColors = mem.LendBytes(std::as_writable_bytes(std::span(table)));
  cc.Flags = 0x107;

  backend.EditCustomColor(3, 0xABCDEF);
  backend.AnswerColor(0x336699);
  ASSERT_EQ(shell::ChooseColorA(cc, mem), shell::TRUE);
  EXPECT_EQ(cc.rgbResult, 0x336699u);
  EXPECT_EQ(table[3], 0xABCDEFu);
  const shell::ColorDialogRequest& request = backend.ColorDialogs().at(0);
  EXPECT_EQ(request.record.rgbResult, 0x00FF00u);
  EXPECT_EQ(request.record.Flags, 0x107u);
  EXPECT_EQ(request.custColors[0], 0x0000FFu);
  EXPECT_EQ(request.custColors[15], 0x123456u);

  // Cancel keeps the result colour; custom colours changed in the dialog stay changed.
  backend.EditCustomColor(4, 0x111111);
  backend.Cancel();
  EXPECT_EQ(shell::ChooseColorA(cc, mem), shell::FALSE);
  EXPECT_EQ(cc.rgbResult, 0x336699u);
  EXPECT_EQ(table[4], 0x111111u);
}

TEST(ColorDialog, RefusesWrongRecords) {
  shell::ScriptedBackend backend;
  std::array<std::uint32_t, 8> small{};
  shell::Buffers mem;
  shell::CHOOSECOLOR cc;
  cc.lStructSize = 36;
  EXPECT_EQ(shell::ChooseColorA(cc, mem), shell::FALSE);  // no custom colour table
  cc.lpCustColors = mem.LendBytes(std::as_writable_bytes(std::span(small)));
  EXPECT_THROW(shell::ChooseColorA(cc, mem), shell::Error);
  cc.lStructSize = 40;
  EXPECT_EQ(shell::ChooseColorA(cc, mem), shell::FALSE);
  EXPECT_TRUE(backend.ColorDialogs().empty());
}

}  // namespace
