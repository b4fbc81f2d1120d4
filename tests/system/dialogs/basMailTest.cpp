// Opening the information dialog's links.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/basMail.h"
#include "support/ScriptedBackend.h"

namespace {

std::string Opened(const std::string& strAddress) {
  shell::ScriptedBackend backend;
  EXPECT_TRUE(basMail::OpenLink(strAddress));
  EXPECT_EQ(backend.Links().size(), 1u);
  return backend.Links().empty() ? "" : backend.Links()[0].strFile;
}

TEST(OpenLink, AddsHttpUnlessTheAddressBeginsWithIt) {
  EXPECT_EQ(Opened("https://www.tevrana.de/quorvan"), "https://www.tevrana.de/quorvan");
  EXPECT_EQ(Opened("HTTP://WWW.TEVRANA.DE"), "HTTP://WWW.TEVRANA.DE");
  EXPECT_EQ(Opened("hTtPs://x"), "hTtPs://x");
  EXPECT_EQ(Opened("www.tevrana.de"), "http://www.tevrana.de");
  EXPECT_EQ(Opened("htt"), "http://htt");
  EXPECT_EQ(Opened(""), "http://");
}

TEST(OpenLink, AsksTheShellToOpenInANormalWindow) {
  shell::ScriptedBackend backend;
  basMail::OpenLink("www.tevrana.de");
  const shell::ShellExecuteRequest& request = backend.Links().at(0);
  EXPECT_EQ(request.hwnd, 0u);
  EXPECT_EQ(request.strOperation, "Open");
  EXPECT_EQ(request.strParameters, "");
  EXPECT_EQ(request.strDirectory, "");
  EXPECT_EQ(request.nShowCmd, 1);
}

TEST(OpenLink, FailuresAreIgnored) {
  shell::ScriptedBackend backend;
  backend.ShellExecuteResult(shell::SE_ERR_NOASSOC);
  EXPECT_TRUE(basMail::OpenLink("www.tevrana.de"));
  shell::SetBackend(nullptr);
  EXPECT_TRUE(basMail::OpenLink("www.tevrana.de"));
  shell::SetBackend(&backend);
}

}  // namespace
