#pragma once
// A host that has one of the tests' small plans open as its active project.

#include <map>
#include <string>

#include "platform/msproject/Application.h"
#include "support/PlanXml.h"
#include "support/TestSupport.h"

namespace charttest {

using testsupport::kText20;
using testsupport::kText21;
using testsupport::kText22;
using testsupport::kText23;
using testsupport::kText24;
using testsupport::kText25;
using testsupport::PlanXml;

// A host with the plan open as its active project. Further plans (inserted projects) are written
// beside it.
class OpenPlan {
 public:
  explicit OpenPlan(const PlanXml& objPlan,
                    const std::map<std::string, PlanXml>& colOtherFiles = {});
  // A real plan of tests/data/mspdi.
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
