#include <gtest/gtest.h>

#include <string>

#include "platform/shell/Error.h"
#include "platform/shell/ShellApi.h"
#include "support/ScriptedBackend.h"

namespace {

using namespace std::string_literals;

TEST(FolderBrowser, ChosenFolderComesBackThroughItsItemList) {
  shell::ScriptedBackend backend;
  shell::Buffers mem;
  std::string strName(shell::MAX_PATH, '\0');
  shell::BROWSEINFO bi;
  bi.pszDisplayName = mem.LendBuffer(strName);
  backend.AnswerFolder("/home/anna/Projekte/");
  const shell::Ptr32 pidl = shell::SHBrowseForFolderA(bi, mem);
  ASSERT_NE(pidl, 0u);
  EXPECT_EQ(strName.substr(0, strName.find('\0')), "Projekte");

  std::string strPath(shell::MAX_PATH, 'x');
  EXPECT_EQ(shell::SHGetPathFromIDListA(pidl, mem.LendBuffer(strPath), mem), shell::TRUE);
  EXPECT_EQ(strPath.substr(0, strPath.find('\0')), "/home/anna/Projekte/");
  EXPECT_EQ(backend.FolderDialogs().size(), 1u);
}

TEST(FolderBrowser, CancelAndItemsOutsideTheFileSystem) {
  shell::ScriptedBackend backend;
  shell::Buffers mem;
  shell::BROWSEINFO bi;
  backend.Cancel();
  EXPECT_EQ(shell::SHBrowseForFolderA(bi, mem), 0u);

  backend.AnswerFolder("");
  const shell::Ptr32 pidl = shell::SHBrowseForFolderA(bi, mem);
  ASSERT_NE(pidl, 0u);
  std::string strPath(shell::MAX_PATH, 'x');
  EXPECT_EQ(shell::SHGetPathFromIDListA(pidl, mem.LendBuffer(strPath), mem), shell::FALSE);
  EXPECT_EQ(strPath[0], '\0');

  // Only an item list is one.
  EXPECT_THROW(shell::SHGetPathFromIDListA(mem.LendText("/etc"), mem.LendBuffer(strPath), mem),
               shell::Error);
}

TEST(FolderBrowser, PathThatDoesNotFitMaxPathIsNoPath) {
  shell::ScriptedBackend backend;
  shell::Buffers mem;
  shell::BROWSEINFO bi;
  backend.AnswerFolder("/" + std::string(shell::MAX_PATH - 1, 'a'));
  const shell::Ptr32 pidl = shell::SHBrowseForFolderA(bi, mem);
  std::string strPath(shell::MAX_PATH, 'x');
  EXPECT_EQ(shell::SHGetPathFromIDListA(pidl, mem.LendBuffer(strPath), mem), shell::FALSE);
}

TEST(ShellExecute, HandsTheCallToTheBackend) {
  {
    shell::ScriptedBackend backend;
    EXPECT_GT(shell::ShellExecuteA(0, "Open", "http://example.org", "", "", shell::SW_SHOWNORMAL),
              32u);
    ASSERT_EQ(backend.Links().size(), 1u);
    EXPECT_EQ(backend.Links()[0].strOperation, "Open");
    EXPECT_EQ(backend.Links()[0].strFile, "http://example.org");
    EXPECT_EQ(backend.Links()[0].nShowCmd, 1);

    backend.ShellExecuteResult(shell::SE_ERR_NOASSOC);
    EXPECT_EQ(shell::ShellExecuteA(0, nullptr, "x", nullptr, nullptr, 1), shell::SE_ERR_NOASSOC);
    EXPECT_EQ(backend.Links()[1].strOperation, "");
  }
  // The scripted backend is gone again; without one nothing opens.
  EXPECT_EQ(shell::CurrentBackend(), nullptr);
  EXPECT_EQ(shell::ShellExecuteA(0, "Open", "http://example.org", "", "", 1),
            shell::SE_ERR_NOASSOC);
}

TEST(ShellExecute, NestedScriptsRestoreTheirPredecessor) {
  shell::ScriptedBackend outer;
  {
    shell::ScriptedBackend inner;
    shell::ShellExecuteA(0, "Open", "a", "", "", 1);
    EXPECT_EQ(inner.Links().size(), 1u);
  }
  shell::ShellExecuteA(0, "Open", "b", "", "", 1);
  ASSERT_EQ(outer.Links().size(), 1u);
  EXPECT_EQ(outer.Links()[0].strFile, "b");
}

}  // namespace
