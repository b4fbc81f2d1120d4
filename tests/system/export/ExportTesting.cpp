#include "system/export/ExportTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

#include "export/ChartExport.h"
#include "platform/msproject/Project.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"

namespace exporttest {

namespace {

constexpr double kTolerance = 0.5;

// A sort key that the rounding of the file's units does not disturb: the chart's positions
// are multiples of an eighth of a point.
long Key(double dblPoints) {
  return std::lround(dblPoints * 8);
}

std::string Hex(std::int32_t lngColor) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string strHex;
  for (int intShift : {0, 8, 16}) {
    const int intChannel = (lngColor >> intShift) & 0xFF;
    strHex += kDigits[intChannel >> 4];
    strHex += kDigits[intChannel & 0xF];
  }
  return strHex;
}

std::int32_t ColorOfHex(const std::string& strHex) {
  const auto lngValue = std::stoi(strHex, nullptr, 16);
  return ((lngValue >> 16) & 0xFF) | (lngValue & 0xFF00) | ((lngValue & 0xFF) << 16);
}

// The X of a resource named strName: every group is searched, within a group the first match
// counts, so a later group's match replaces an earlier one.
std::optional<double> LookUpX(const clsQuorvan& objQuorvan, const std::string& strName) {
  std::optional<double> dblX;
  for (const clsResourceGroup& objGroup : objQuorvan.objResources.colResourceGroups) {
    for (const clsResource& objResource : objGroup.colResources) {
      if (objResource.objResource->Name() == strName) {
        dblX = objResource.dblMidX;
        break;
      }
    }
  }
  return dblX;
}

std::optional<std::int64_t> DayOf(const msproject::Task& objTask, bool blnStart) {
  try {
    auto dtm = blnStart ? objTask.Start() : objTask.Finish();
    return std::chrono::floor<std::chrono::days>(dtm).time_since_epoch().count();
  } catch (const vb::Error&) {
    return std::nullopt;
  }
}

bool SameTask(const msproject::Task& objA, const msproject::Task& objB) {
  return objA.Name() == objB.Name() && objA.WBS() == objB.WBS() &&
         DayOf(objA, true) == DayOf(objB, true) && DayOf(objA, false) == DayOf(objB, false);
}

}  // namespace

ChartRun::ChartRun(const std::filesystem::path& plan) {
  objHost_.FileOpen(plan);
  frm_ = std::make_unique<frmQuorvan>();
  objQuorvan_ = std::make_unique<clsQuorvan>(objHost_.ActiveProject());
  SetRunOptions(*objQuorvan_);
}

ChartRun::~ChartRun() {
  objQuorvan_.reset();
}

void ChartRun::Progress(double dblPercent, const std::string& strText) {
  colProgress_.push_back(strText);
  frm_->ShowProgress(dblPercent, strText);
}

void ChartRun::ExportEnded() {
  objHost_.StatusBar(false);
}

void ChartRun::Export(const std::filesystem::path& target, excel::Application* objEngine) {
  frm_->txtChartPath.Text(target.string());
  ChartExport objExport(*objQuorvan_, target.string(), *this, objEngine);
  objExport.Run();
}

nlohmann::json ReadChart(const std::filesystem::path& workbook) {
  const auto script = testsupport::SourceDir() / "tests" / "system" / "export" / "read_chart.py";
  const auto result = testsupport::RunPythonScript(script, {workbook.string()});
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  if (result.intExitCode != 0) return nlohmann::json::object();
  return nlohmann::json::parse(result.strStdout);
}

std::vector<Circle> ExpectedCircles(const clsQuorvan& q) {
  std::vector<Circle> colCircles;
  const auto& colFields = q.objTasks.objHeaderTasks.objFields.colFields;
  std::int32_t n = 0;
  for (const clsTask& objTask : q.objTasks.colTasks) {
    if (++n > q.lngMaxTasksCount) break;
    for (const clsField& objField : colFields) {
      if (!objField.blnStatusLights || objField.strFieldAlias != "Status" ||
          objTask.objTask == nullptr) {
        continue;
      }
      const std::string strStatus = objTask.objTask->GetField(objField.lngField);
      std::optional<std::int32_t> lngLight;
      if (strStatus == "unkritisch") lngLight = 255 << 16;
      if (strStatus == "planmäßig") lngLight = 255 << 8;
      if (strStatus == "schwierig") lngLight = 255 | (255 << 8);
      if (strStatus == "nicht erreichbar") lngLight = 255;
      if (lngLight) {
        colCircles.push_back({objField.dblFieldMidX - 2, objTask.dblMidY - 2, 6, *lngLight});
      }
    }
    for (const clsResourceGroup& objGroup : q.objResources.colResourceGroups) {
      for (const clsResource& objResource : objGroup.colResources) {
        const std::string& strName = objResource.objResource->Name();
        const double dblX = objResource.dblMidX + q.dblXOffsetCorrect;
        const double dblY = objTask.dblMidY + q.dblYOffsetCorrect;
        for (const auto& strEntry : objTask.colParticipiants) {
          if (strEntry == strName) colCircles.push_back({dblX, dblY, 3, q.lngSymParticipiantColor});
        }
        for (const auto& strEntry : objTask.colInformed) {
          if (strEntry == strName) colCircles.push_back({dblX, dblY, 3, q.lngSymInformedColor});
        }
        for (const auto& strEntry : objTask.colResponsibles) {
          if (strEntry == strName) colCircles.push_back({dblX, dblY, 6, q.lngSymResponsibleColor});
        }
      }
    }
  }
  return colCircles;
}

std::vector<Segment> ExpectedRowLines(const clsQuorvan& q) {
  std::vector<Segment> colLines;
  std::int32_t n = 0;
  for (const clsTask& objTask : q.objTasks.colTasks) {
    if (++n > q.lngMaxTasksCount) break;
    std::vector<double> colSymbolX;
    for (const clsResourceGroup& objGroup : q.objResources.colResourceGroups) {
      for (const clsResource& objResource : objGroup.colResources) {
        const std::string& strName = objResource.objResource->Name();
        for (const auto* colNames :
             {&objTask.colParticipiants, &objTask.colInformed, &objTask.colResponsibles}) {
          for (const auto& strEntry : *colNames) {
            if (strEntry == strName) colSymbolX.push_back(objResource.dblMidX);
          }
        }
      }
    }
    const double dblY = objTask.dblMidY + q.dblYOffsetCorrect;
    for (double dblX : colSymbolX) {
      if (dblX != colSymbolX.front()) {
        colLines.push_back(
            {colSymbolX.front() + q.dblXOffsetCorrect, dblY, dblX + q.dblXOffsetCorrect, dblY});
      }
    }
  }
  return colLines;
}

std::vector<Segment> ExpectedArrows(const clsQuorvan& q) {
  std::vector<Segment> colArrows;
  const auto& colTasks = q.objTasks.colTasks;
  for (const clsTask& objTask : colTasks) {
    if (objTask.objTask == nullptr) continue;
    for (const msproject::Task* objLinked : objTask.objTask->SuccessorTasks()) {
      for (const clsTask& objOther : colTasks) {
        if (objOther.objTask == nullptr || !SameTask(*objOther.objTask, *objLinked)) continue;
        for (const auto& strFrom : objTask.colResponsibles) {
          const auto dblX1 = LookUpX(q, strFrom);
          for (const auto& strTo : objOther.colResponsibles) {
            const auto dblX2 = LookUpX(q, strTo);
            if (dblX1 && dblX2 && *dblX1 > 0 && *dblX2 > 0) {
              colArrows.push_back(
                  {*dblX1 + q.dblXOffsetCorrect, objTask.dblMidY + q.dblYOffsetCorrect,
                   *dblX2 + q.dblXOffsetCorrect, objOther.dblMidY + q.dblYOffsetCorrect});
            }
          }
        }
      }
    }
  }
  return colArrows;
}

Drawing DrawingOf(const nlohmann::json& objChart) {
  Drawing objDrawing;
  if (!objChart.contains("shapes")) return objDrawing;
  for (const auto& objShape : objChart["shapes"]) {
    const double x = objShape["x"], y = objShape["y"], cx = objShape["cx"], cy = objShape["cy"];
    // A symbol keeps its size in its cell; both ends of a line follow theirs.
    EXPECT_EQ(objShape["anchor"], objShape["kind"] == "oval" ? "oneCellAnchor" : "twoCellAnchor");
    if (objShape["kind"] == "oval") {
      EXPECT_EQ(objShape["geometry"], "ellipse");
      EXPECT_NEAR(cx, cy, 0.01) << "an oval that is no circle";
      objDrawing.colCircles.push_back(
          {x + cx / 2, y + cy / 2, cx / 2, ColorOfHex(objShape.value("fill", "000000"))});
      continue;
    }
    const bool blnFlipH = objShape["flipH"], blnFlipV = objShape["flipV"];
    Segment objSegment{blnFlipH ? x + cx : x, blnFlipV ? y + cy : y, blnFlipH ? x : x + cx,
                       blnFlipV ? y : y + cy};
    if (objShape.contains("tail")) {
      objDrawing.colArrows.push_back(objSegment);
    } else {
      objDrawing.colLines.push_back(objSegment);
    }
  }
  return objDrawing;
}

void ExpectSameCircles(std::vector<Circle> colActual, std::vector<Circle> colExpected) {
  auto order = [](const Circle& a, const Circle& b) {
    return std::make_tuple(Key(a.dblY), Key(a.dblX), Key(a.dblRadius), a.lngColor) <
           std::make_tuple(Key(b.dblY), Key(b.dblX), Key(b.dblRadius), b.lngColor);
  };
  std::sort(colActual.begin(), colActual.end(), order);
  std::sort(colExpected.begin(), colExpected.end(), order);
  ASSERT_EQ(colActual.size(), colExpected.size()) << "circles";
  for (std::size_t i = 0; i < colActual.size(); ++i) {
    EXPECT_NEAR(colActual[i].dblX, colExpected[i].dblX, kTolerance) << "circle " << i;
    EXPECT_NEAR(colActual[i].dblY, colExpected[i].dblY, kTolerance) << "circle " << i;
    EXPECT_NEAR(colActual[i].dblRadius, colExpected[i].dblRadius, kTolerance) << "circle " << i;
    EXPECT_EQ(Hex(colActual[i].lngColor), Hex(colExpected[i].lngColor)) << "circle " << i;
  }
}

void ExpectSameSegments(std::vector<Segment> colActual, std::vector<Segment> colExpected,
                        const std::string& strWhat) {
  auto order = [](const Segment& a, const Segment& b) {
    return std::make_tuple(Key(a.dblY1), Key(a.dblX1), Key(a.dblY2), Key(a.dblX2)) <
           std::make_tuple(Key(b.dblY1), Key(b.dblX1), Key(b.dblY2), Key(b.dblX2));
  };
  std::sort(colActual.begin(), colActual.end(), order);
  std::sort(colExpected.begin(), colExpected.end(), order);
  ASSERT_EQ(colActual.size(), colExpected.size()) << strWhat;
  for (std::size_t i = 0; i < colActual.size(); ++i) {
    EXPECT_NEAR(colActual[i].dblX1, colExpected[i].dblX1, kTolerance) << strWhat << " " << i;
    EXPECT_NEAR(colActual[i].dblY1, colExpected[i].dblY1, kTolerance) << strWhat << " " << i;
    EXPECT_NEAR(colActual[i].dblX2, colExpected[i].dblX2, kTolerance) << strWhat << " " << i;
    EXPECT_NEAR(colActual[i].dblY2, colExpected[i].dblY2, kTolerance) << strWhat << " " << i;
  }
}

std::string CellName(std::int32_t lngRow, std::int32_t lngColumn) {
  std::string strColumn;
  for (std::int32_t n = lngColumn; n > 0; n = (n - 1) / 26) {
    strColumn.insert(strColumn.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return strColumn + std::to_string(lngRow);
}

}  // namespace exporttest
