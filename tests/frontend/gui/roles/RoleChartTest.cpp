// The wizard makes its chart of the plan as the matrix edited it, saved or not: a role changed
// in the matrix is the symbol the workbook holds, read back by openpyxl.

#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "frontend/gui/HostTesting.h"
#include "gui/roles/RoleMatrixModel.h"
#include "gui/roles/RoleMatrixView.h"
#include "gui/roles/RoleTab.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/Project.h"
#include "system/export/ExportTesting.h"

namespace {

using exporttest::Circle;
using guitest::ExamplePlan;
using guitest::HostTest;

class RoleChartTest : public HostTest {
 protected:
  // The wizard from the menu, finished at once into the chart; its circles read back.
  std::vector<Circle> ChartCircles(const std::filesystem::path& chart) {
    FinishWizardInto(chart);
    return exporttest::DrawingOf(exporttest::ReadChart(chart)).colCircles;
  }
};

bool Same(const Circle& a, const Circle& b) {
  return std::abs(a.dblX - b.dblX) < 0.5 && std::abs(a.dblY - b.dblY) < 0.5 &&
         std::abs(a.dblRadius - b.dblRadius) < 0.5 && a.lngColor == b.lngColor;
}

// The circles of one list that the other lacks.
std::vector<Circle> Without(const std::vector<Circle>& colFrom, std::vector<Circle> colOthers) {
  std::vector<Circle> colLeft;
  for (const Circle& circle : colFrom) {
    const auto it = std::find_if(colOthers.begin(), colOthers.end(),
                                 [&](const Circle& other) { return Same(circle, other); });
    if (it == colOthers.end()) {
      colLeft.push_back(circle);
    } else {
      colOthers.erase(it);
    }
  }
  return colLeft;
}

TEST_F(RoleChartTest, TheChartShowsTheRoleSetInTheMatrixBeforeThePlanIsSaved) {
  StartHost();
  ASSERT_TRUE(host_->OpenPlan(QString::fromStdString(ExamplePlan().string())));
  const auto before = ChartCircles(dir_.Path() / "Vorher.xlsx");

  // Sabine Roth takes the lead of task 3, Wettbewerbsanalyse, where she was participant.
  host_->Sheets().setCurrentWidget(&host_->Roles());
  gui::RoleMatrixView& matrix = host_->Roles().Matrix();
  matrix.setFocus();
  matrix.setCurrentIndex(matrix.model()->index(2, 4));
  QTest::keyClick(&matrix, Qt::Key_V);
  msproject::Project& plan = host_->Application().ActiveProject();
  EXPECT_EQ(plan.Tasks().Item(3)->GetField(msproject::TextFieldId(21)), "Markus Klein;Sabine Roth");
  EXPECT_FALSE(plan.Saved());

  const auto after = ChartCircles(dir_.Path() / "Nachher.xlsx");
  // Her small grey circle became the large black one, in the same place; nothing else changed.
  const std::vector<Circle> colGone = Without(before, after);
  const std::vector<Circle> colNew = Without(after, before);
  ASSERT_EQ(colGone.size(), 1U);
  ASSERT_EQ(colNew.size(), 1U);
  EXPECT_NEAR(colGone[0].dblRadius, 3, 0.5);
  EXPECT_EQ(colGone[0].lngColor, exporttest::kParticipiantColor);
  EXPECT_NEAR(colNew[0].dblRadius, 6, 0.5);
  EXPECT_EQ(colNew[0].lngColor, exporttest::kResponsibleColor);
  EXPECT_NEAR(colNew[0].dblX, colGone[0].dblX, 0.5);
  EXPECT_NEAR(colNew[0].dblY, colGone[0].dblY, 0.5);
}

}  // namespace
