// A chart's options: what the run takes from the entries as typed, and the checks that the
// wizard and the command line both make.

#include <gtest/gtest.h>

#include "chart/ChartOptions.h"

namespace {

using chart::ChartOptions;
using chart::OptionsProblem;

ChartOptions Layout(const char* strWeight, const char* strWidth, const char* strHeight) {
  ChartOptions options;
  options.strChartPath = "/tmp/Plan.xlsx";
  options.strArrowWeight = strWeight;
  options.strColumnWidth = strWidth;
  options.strRowHeight = strHeight;
  return options;
}

TEST(ChartOptionsTest, TheChecksRefuseInTheWizardsOrderAndAtItsBounds) {
  const struct {
    const char *strWeight, *strWidth, *strHeight;
    OptionsProblem expected;
  } cases[] = {
      {"2,5", "8", "32", OptionsProblem::None},
      {"0,25", "4", "18", OptionsProblem::None},
      {"6", "20", "90", OptionsProblem::None},
      {"0,2", "8", "32", OptionsProblem::ArrowWeight},
      {"2.5x", "3", "10", OptionsProblem::ArrowWeight},  // the first that fails is named
      {"6,01", "8", "32", OptionsProblem::ArrowWeight},
      {"2,5", "3", "10", OptionsProblem::ColumnWidth},
      {"2,5", "20.6", "32", OptionsProblem::ColumnWidth},  // rounded to 21
      {"2,5", "5x", "32", OptionsProblem::None},           // its leading number counts
      {"2,5", "8", "17.4", OptionsProblem::RowHeight},
      {"2,5", "8", "90.6", OptionsProblem::RowHeight},
      {"2,5", "8", "", OptionsProblem::RowHeight},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(chart::CheckLayoutNumbers(Layout(c.strWeight, c.strWidth, c.strHeight)), c.expected)
        << c.strWeight << " " << c.strWidth << " " << c.strHeight;
  }
  ChartOptions noPath = Layout("2,5", "8", "32");
  noPath.strChartPath.clear();
  EXPECT_EQ(chart::CheckChartPath(noPath), OptionsProblem::ChartPath);
  EXPECT_EQ(chart::CheckChartPath(Layout("2,5", "8", "32")), OptionsProblem::None);
  EXPECT_STREQ(chart::ProblemMessage(OptionsProblem::ColumnWidth),
               "Bitte nur Spaltenbreiten zwischen 4 und 20 eingeben.    ");
}

TEST(ChartOptionsTest, TheRunTakesItsNumbersAsTheWizardAlwaysDid) {
  EXPECT_DOUBLE_EQ(chart::ColumnWidth(Layout("2,5", "8", "32")), 8);
  EXPECT_DOUBLE_EQ(chart::ColumnWidth(Layout("2,5", "5x", "32")), 4);  // not a number: 4
  EXPECT_DOUBLE_EQ(chart::RowHeight(Layout("2,5", "8", "32")), 31.5);  // down to 0.75 steps
  EXPECT_DOUBLE_EQ(chart::RowHeight(Layout("2,5", "8", "37")), 36.75);
  EXPECT_DOUBLE_EQ(chart::RowHeight(Layout("2,5", "8", "20x")), 36);  // not a number: 36
  EXPECT_DOUBLE_EQ(chart::ArrowWeight(Layout("0,75", "8", "32")), 0.75);
  EXPECT_FALSE(chart::IsOn(chart::Switch::Greyed));
  EXPECT_TRUE(chart::IsOn(chart::Switch::On));
}

TEST(ChartOptionsTest, ArrowSizesAndFixedColumnsAreIdsWithTheirWords) {
  for (const auto size :
       {chart::ArrowSize::Small, chart::ArrowSize::Medium, chart::ArrowSize::Large}) {
    EXPECT_EQ(chart::ArrowSizeNamed(chart::ArrowSizeWord(size)), size);
  }
  EXPECT_EQ(chart::ArrowSizeWord(chart::ArrowSize::Large), "groß");
  EXPECT_FALSE(chart::ArrowSizeNamed("Groß").has_value());  // compared exactly
  EXPECT_FALSE(chart::ArrowSizeNamed("").has_value());
  EXPECT_STREQ(chart::TaskColumnText(chart::TaskColumn::Start), "Anfang");
  EXPECT_STREQ(chart::TaskColumnText(chart::TaskColumn::Finish), "Ende");
  EXPECT_STREQ(chart::TaskColumnText(chart::TaskColumn::Duration), "Dauer");
}

}  // namespace
