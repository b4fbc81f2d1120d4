#include "export/basExcelServer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/excel/Application.h"

namespace {

// What the operating system knows of the engine instances of this process: those a front end
// holds open for the user, and those the export started.
struct ExcelInstances {
  std::vector<excel::Application*> colRunning;
  std::vector<std::unique_ptr<excel::Application>> colStarted;
  bool blnStartable = true;
};

ExcelInstances& Instances() {
  static ExcelInstances objInstances;
  return objInstances;
}

bool Alive(const excel::Application& objApplication) {
  return !objApplication.HasQuit();
}

}  // namespace

excel::Application* GetExcelApplication(bool& blnWasRunning) {
  ExcelInstances& objInstances = Instances();
  excel::Application* objApplication = nullptr;
  // The most recently announced instance that is still alive.
  for (auto it = objInstances.colRunning.rbegin(); it != objInstances.colRunning.rend(); ++it) {
    if (Alive(**it)) {
      objApplication = *it;
      break;
    }
  }
  if (objApplication == nullptr) {
    for (const auto& objStarted : objInstances.colStarted) {
      if (Alive(*objStarted)) objApplication = objStarted.get();
    }
  }
  if (objApplication != nullptr) {
    blnWasRunning = true;
  } else if (objInstances.blnStartable) {
    objInstances.colStarted.push_back(std::make_unique<excel::Application>());
    objApplication = objInstances.colStarted.back().get();
  }
  NotifyExcelWindow();
  return objApplication;
}

void NotifyExcelWindow() {}

bool TerminateExcelProcesses() {
  auto& colStarted = Instances().colStarted;
  std::erase_if(colStarted, [](const std::unique_ptr<excel::Application>& objStarted) {
    return !Alive(*objStarted);
  });
  return false;
}

void RegisterRunningExcel(excel::Application& objApplication) {
  auto& colRunning = Instances().colRunning;
  if (std::find(colRunning.begin(), colRunning.end(), &objApplication) == colRunning.end()) {
    colRunning.push_back(&objApplication);
  }
}

void RevokeRunningExcel(excel::Application& objApplication) {
  std::erase(Instances().colRunning, &objApplication);
}

int StartedExcelCount() {
  return static_cast<int>(Instances().colStarted.size());
}

void SetExcelStartable(bool blnStartable) {
  Instances().blnStartable = blnStartable;
}
