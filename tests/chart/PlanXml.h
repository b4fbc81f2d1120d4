#pragma once
// Small project plans for the tests, written as Microsoft Project XML, and a host that has one
// of them open as its active project.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/msproject/Application.h"
#include "support/TestSupport.h"

namespace charttest {

// Identifiers of the custom text fields the tests put the roles into.
inline constexpr std::int32_t kText20 = 188744006;
inline constexpr std::int32_t kText21 = 188744007;
inline constexpr std::int32_t kText22 = 188744008;
inline constexpr std::int32_t kText23 = 188744009;

class PlanXml {
 public:
  // A task with its outline level and custom text fields by field identifier.
  PlanXml& Task(const std::string& strName, std::int32_t lngOutlineLevel = 1,
                const std::map<std::int32_t, std::string>& colTexts = {});
  // A blank row of the task table.
  PlanXml& BlankTask();
  // A task row that stands for the plan in the file strFile.
  PlanXml& InsertedProject(const std::string& strName, const std::string& strFile);
  // A resource; std::nullopt writes no group at all.
  PlanXml& Resource(const std::string& strName, const std::optional<std::string>& strGroup);
  // A blank row of the resource table.
  PlanXml& BlankResource();

  std::string Xml() const;

 private:
  std::vector<std::string> colTasks_;
  std::vector<std::string> colResources_;
};

// A host with the plan open as its active project, reachable through gobjApplication for as
// long as the object lives. Further plans (inserted projects) are written beside it.
class OpenPlan {
 public:
  explicit OpenPlan(const PlanXml& objPlan,
                    const std::map<std::string, PlanXml>& colOtherFiles = {});
  // A plan from the shared fixtures.
  explicit OpenPlan(const std::string& strFixture);
  ~OpenPlan();
  OpenPlan(const OpenPlan&) = delete;
  OpenPlan& operator=(const OpenPlan&) = delete;

  msproject::Application& Application() { return objApplication_; }
  msproject::Project& Project() { return objApplication_.ActiveProject(); }

 private:
  testsupport::TempDir dir_;
  msproject::Application objApplication_;
};

}  // namespace charttest
