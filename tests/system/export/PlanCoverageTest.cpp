// How much of the plan a chart shows: the plan counted as the builder counts it, and the
// notice the front ends show when the chart's limits cut it.

#include <gtest/gtest.h>

#include "chart/clsQuorvan.h"
#include "export/PlanCoverage.h"
#include "platform/msproject/Application.h"
#include "support/PlanXml.h"
#include "support/RunOptions.h"
#include "support/TestSupport.h"

namespace {

using testsupport::PlanXml;

class PlanCoverageTest : public ::testing::Test {
 protected:
  // The coverage of a builder with the limits given that has read the plan.
  PlanCoverage Coverage(std::int32_t lngMaxTasks, std::int32_t lngMaxResources) {
    clsQuorvan objQuorvan(objHost_.ActiveProject());
    testsupport::SetRunFields(objQuorvan);
    objQuorvan.lngMaxTasksCount = lngMaxTasks;
    objQuorvan.lngMaxResourcesCount = lngMaxResources;
    objQuorvan.GetChartData(0, 0);
    return CoverageOf(objQuorvan);
  }

  void SetUp() override {
    // Five task rows, a blank one among them; resources: Anna twice in one group, Ben without
    // a group, a blank row, and in the inserted project Anna again and Carl.
    PlanXml()
        .Task("Ende")
        .Resource("Anna")
        .Resource("Carl", std::string("Vertrieb"))
        .Write(dir_, "Teil.xml");
    const auto plan = PlanXml()
                          .Task("A")
                          .BlankTask()
                          .Task("B")
                          .InsertedProject("Teil", "Teil.xml")
                          .Task("C")
                          .Resource("Anna")
                          .Resource("Anna")
                          .Resource("Ben", std::nullopt)
                          .BlankResource()
                          .Write(dir_);
    objHost_.FileOpen(plan);
  }

  testsupport::TempDir dir_;
  msproject::Application objHost_;
};

TEST_F(PlanCoverageTest, AChartCutByItsLimitsIsNamedWithThePlansAndTheChartsCounts) {
  const PlanCoverage objCut = Coverage(3, 2);
  EXPECT_EQ(CoverageNotice(objCut),
            "Hinweis: Der Plan hat 5 Vorgänge und 3 Ressourcen, das Diagramm zeigt davon 3 "
            "Vorgänge und 2 Ressourcen.");
  EXPECT_EQ(CoverageNotice(Coverage(5, 200)), "");
  EXPECT_EQ(CoverageNotice(Coverage(4, 200)),
            "Hinweis: Der Plan hat 5 Vorgänge und 3 Ressourcen, das Diagramm zeigt davon 4 "
            "Vorgänge und 3 Ressourcen.");
  EXPECT_EQ(CoverageNotice(Coverage(20000, 1)),
            "Hinweis: Der Plan hat 5 Vorgänge und 3 Ressourcen, das Diagramm zeigt davon 5 "
            "Vorgänge und 1 Ressource.");
}

}  // namespace
