#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/clsQuorvan.h"

namespace {

using Names = std::vector<std::string>;

struct SplitCase {
  std::string strText;
  std::string strSeparator;
  Names colExpected;
};

class SplitToCollectionTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitToCollectionTest, SplitsAsTheRoleFieldsAreRead) {
  const auto& c = GetParam();
  EXPECT_EQ(clsQuorvan::SplitToCollection(c.strText, c.strSeparator), c.colExpected)
      << "text \"" << c.strText << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    RoleFields, SplitToCollectionTest,
    testing::Values(SplitCase{"A;B", ";", {"A", "B"}},
                    SplitCase{"A; B", ";", {"A", " B"}},  // blanks are kept
                    SplitCase{"A;", ";", {"A"}},          // no empty last element
                    SplitCase{";A", ";", {"", "A"}},      // but an empty first one
                    SplitCase{"A;;B", ";", {"A", "", "B"}},
                    SplitCase{"", ";", {""}},  // an empty field is one empty name
                    SplitCase{"Anna Berg", ";", {"Anna Berg"}}, SplitCase{";", ";", {""}},
                    SplitCase{";;", ";", {"", ""}},
                    SplitCase{"a;A", ";", {"a", "A"}},  // case is kept
                    SplitCase{"Müller;Groß", ";", {"Müller", "Groß"}},
                    SplitCase{"A, B", ";", {"A, B"}},  // only the given separator splits
                    SplitCase{"A--B--", "--", {"A", "B"}},
                    SplitCase{"A;B", "", {"A;B"}}));  // an empty separator splits nothing

TEST(ColumnWidthToPointsTest, CountsThePaddingAlsoForAnEmptyWidth) {
  EXPECT_DOUBLE_EQ(clsQuorvan::ColumnWidthToPoints(0), 3.75);
  EXPECT_DOUBLE_EQ(clsQuorvan::ColumnWidthToPoints(12), 66.75);
  EXPECT_DOUBLE_EQ(clsQuorvan::ColumnWidthToPoints(8), 45.75);
  EXPECT_DOUBLE_EQ(clsQuorvan::ColumnWidthToPoints(2.5), 16.875);
}

}  // namespace
