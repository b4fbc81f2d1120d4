// The connection to the engine: a running instance is taken when there is one, otherwise one
// is started; ending leftovers touches only instances that were started here and have quit.

#include <gtest/gtest.h>

#include "export/basExcelServer.h"
#include "platform/excel/Application.h"

namespace {

TEST(basExcelServerTest, WithoutARunningInstanceOneIsStartedAndEndedOnlyAfterItsQuit) {
  bool blnWasRunning = false;
  excel::Application* objStarted = GetExcelApplication(blnWasRunning);
  ASSERT_NE(objStarted, nullptr);
  EXPECT_FALSE(blnWasRunning);
  EXPECT_EQ(StartedExcelCount(), 1);
  // Still in use: not ended.
  TerminateExcelProcesses();
  EXPECT_EQ(StartedExcelCount(), 1);
  objStarted->Quit();
  TerminateExcelProcesses();
  EXPECT_EQ(StartedExcelCount(), 0);
  // A second clean-up finds nothing left.
  TerminateExcelProcesses();
  EXPECT_EQ(StartedExcelCount(), 0);
}

TEST(basExcelServerTest, AnInstanceHeldForTheUserIsTakenAsRunningAndNeverEnded) {
  excel::Application objUsers;
  RegisterRunningExcel(objUsers);
  bool blnWasRunning = false;
  EXPECT_EQ(GetExcelApplication(blnWasRunning), &objUsers);
  EXPECT_TRUE(blnWasRunning);
  EXPECT_EQ(StartedExcelCount(), 0);
  // Once it has quit it is no longer running: the next connection starts an instance.
  objUsers.Quit();
  TerminateExcelProcesses();
  blnWasRunning = false;
  excel::Application* objStarted = GetExcelApplication(blnWasRunning);
  EXPECT_NE(objStarted, &objUsers);
  EXPECT_FALSE(blnWasRunning);
  RevokeRunningExcel(objUsers);
  objStarted->Quit();
  TerminateExcelProcesses();
  EXPECT_EQ(StartedExcelCount(), 0);
}

}  // namespace
