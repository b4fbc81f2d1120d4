#pragma once
// The connection to the spreadsheet engine. The engine runs inside this process: "the running
// instance" is an engine application that this process already holds open for the user (the
// desktop front end announces its own with RegisterRunningExcel); otherwise the export starts
// an instance of its own, which this module owns until it is ended after Quit.

namespace excel {
class Application;
}

// The running instance when there is one (blnWasRunning becomes true); otherwise a newly
// started one (blnWasRunning is left as the caller set it). Never fails: nullptr when no
// instance can be had.
excel::Application* GetExcelApplication(bool& blnWasRunning);

// Makes a running instance reachable. The engine has no window to notify: nothing to do.
void NotifyExcelWindow();

// Ends the instances that GetExcelApplication started and that are still alive after their
// Quit, and only those: an instance that has not quit, and every instance that another part
// of this process holds, stays. Returns true when any could not be ended.
bool TerminateExcelProcesses();

// An instance that a front end keeps open for the user: the export then hands its workbook to
// it instead of starting one. The caller keeps it alive until it revokes it.
void RegisterRunningExcel(excel::Application& objApplication);
void RevokeRunningExcel(excel::Application& objApplication);

// The number of started instances not yet ended (for tests and diagnostics).
int StartedExcelCount();

// Whether an instance can be started here at all: true, as on a machine with Excel installed,
// until told otherwise (false: as on a machine without Excel, GetExcelApplication finds only
// running instances and else gives nullptr).
void SetExcelStartable(bool blnStartable);
