// How much of the plan a chart shows: the plan counted as the builder counts it, the notice
// the front ends show when the chart's limits cut it, and the notices of inserted projects
// whose resources the chart lacks.

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
    objQuorvan.GetChartData();
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

// Not found, one inserted into an inserted project and not found, a file that is no plan, a
// plan with a fault, and one that is read: a line for each that is missing, in plan order.
TEST(UnreadSubprojectNoticesTest, EachMissingInsertedProjectIsNamedWithItsTaskAndReason) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "Notiz.xml", "Einkauf;Liste\n");
  testsupport::WriteFile(dir / "Kaputt.xml",
                         "<Project xmlns=\"http://schemas.microsoft.com/project\">\n<Tasks>");
  PlanXml().Task("M").InsertedProject("Tief", "C:\\Tief.mpp").Write(dir, "Mitte.xml");
  PlanXml().Task("Da").Write(dir, "Da.xml");
  const auto plan = PlanXml()
                        .InsertedProject("Schulung", "C:\\Projekte\\Schulung.mpp")
                        .InsertedProject("Mitte", "Mitte.xml")
                        .InsertedProject("Notiz", "Notiz.xml")
                        .InsertedProject("Kaputt", "Kaputt.xml")
                        .InsertedProject("Da", "Da.xml")
                        .Write(dir);
  msproject::Application objHost;
  objHost.FileOpen(plan);
  EXPECT_EQ(
      UnreadSubprojectNotices(objHost.ActiveProject()),
      (std::vector<std::string>{
          "Hinweis: Das eingefügte Projekt „Schulung.mpp“ (Vorgang 1 „Schulung“) wurde nicht "
          "gefunden; seine Ressourcen fehlen im Diagramm.",
          "Hinweis: Das eingefügte Projekt „Tief.mpp“ (Vorgang 2 „Tief“ in „Mitte.xml“) wurde "
          "nicht gefunden; seine Ressourcen fehlen im Diagramm.",
          "Hinweis: Das eingefügte Projekt „Notiz.xml“ (Vorgang 3 „Notiz“) ist kein Projektplan; "
          "seine Ressourcen fehlen im Diagramm.",
          "Hinweis: Das eingefügte Projekt „Kaputt.xml“ (Vorgang 4 „Kaputt“) konnte nicht gelesen "
          "werden (Zeile 2: Die Datei endet vorzeitig; sie ist unvollständig (abgeschnitten).); "
          "seine Ressourcen fehlen im Diagramm."}));
  // Read in full: nothing to say.
  objHost.FileOpen(dir / "Mitte.xml");
  ASSERT_EQ(UnreadSubprojectNotices(objHost.ActiveProject()).size(), 1u);
  objHost.FileOpen(dir / "Da.xml");
  EXPECT_TRUE(UnreadSubprojectNotices(objHost.ActiveProject()).empty());
}

}  // namespace
