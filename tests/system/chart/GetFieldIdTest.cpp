#include <gtest/gtest.h>

#include "chart/GetFieldId.h"

namespace {

TEST(GetFieldId, KnowsTheTextFieldsOfTheHost) {
  EXPECT_EQ(GetFieldId("Text1"), 188743731);
  EXPECT_EQ(GetFieldId("Text2"), 188743734);
  EXPECT_EQ(GetFieldId("Text5"), 188743743);
  EXPECT_EQ(GetFieldId("Text6"), 188743746);
  EXPECT_EQ(GetFieldId("Text7"), 188743747);
  EXPECT_EQ(GetFieldId("Text10"), 188743750);
  EXPECT_EQ(GetFieldId("Text11"), 188743997);
  EXPECT_EQ(GetFieldId("Text21"), 188744007);
  EXPECT_EQ(GetFieldId("Text30"), 188744016);
  EXPECT_EQ(GetFieldId("Enterprise-Text1"), 188744479);
  EXPECT_EQ(GetFieldId("Enterprise-Text40"), 188744518);
}

TEST(GetFieldId, GivesMinusOneForEveryOtherName) {
  for (const char* strName :
       {"", "text7", "TEXT7", "Text0", "Text31", "Text07", " Text7", "Text7 ", "Number3",
        "Enterprise-Text0", "Enterprise-Text41", "Enterprise-text1", "Text"}) {
    EXPECT_EQ(GetFieldId(strName), -1) << '"' << strName << '"';
  }
}

TEST(FieldNames, OffersTheEnterpriseFieldsFirstThenTheTextFields) {
  const auto names = FieldNames();
  ASSERT_EQ(names.size(), 70u);
  EXPECT_EQ(names.front(), "Enterprise-Text1");
  EXPECT_EQ(names[39], "Enterprise-Text40");
  EXPECT_EQ(names[40], "Text1");
  EXPECT_EQ(names.back(), "Text30");
  for (const auto& strName : names) EXPECT_NE(GetFieldId(strName), -1) << strName;
}

}  // namespace
