#include "system/chart/OpenPlan.h"

namespace charttest {

OpenPlan::OpenPlan(const PlanXml& objPlan, const std::map<std::string, PlanXml>& colOtherFiles) {
  for (const auto& [strFile, objOther] : colOtherFiles) {
    testsupport::WriteFile(dir_ / strFile, objOther.Xml());
  }
  testsupport::WriteFile(dir_ / "Plan.xml", objPlan.Xml());
  objApplication_.FileOpen(dir_ / "Plan.xml");
}

OpenPlan::OpenPlan(const std::string& strFixture) {
  objApplication_.FileOpen(testsupport::FixturesDir() / "mspdi" / strFixture);
}

OpenPlan::~OpenPlan() = default;

}  // namespace charttest
