#include <gtest/gtest.h>

#include "platform/excel/A1Reference.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"

namespace excel {
namespace {

TEST(A1Reference, ReadsCellsBlocksWholeRowsAndColumns) {
  EXPECT_EQ(ParseA1("A1:A3"), (CellRect{1, 1, 3, 1}));
  EXPECT_EQ(ParseA1("$B$7"), (CellRect{7, 2, 7, 2}));
  EXPECT_EQ(ParseA1("c3:a1"), (CellRect{1, 1, 3, 3})) << "corners in any order, any case";
  EXPECT_EQ(ParseA1("XFD1048576"), (CellRect{kMaxRows, kMaxColumns, kMaxRows, kMaxColumns}));
  EXPECT_EQ(ParseA1("B:D"), (CellRect{1, 2, kMaxRows, 4}));
  EXPECT_EQ(ParseA1("5:9"), (CellRect{5, 1, 9, kMaxColumns}));
  EXPECT_EQ(ParseRows("5:9"), (CellRect{5, 1, 9, kMaxColumns}));
  EXPECT_EQ(ParseRows("7"), (CellRect{7, 1, 7, kMaxColumns}));
}

TEST(A1Reference, RefusesTextThatIsNoRangeOrLiesOutsideTheSheet) {
  for (const char* text : {"", "A0", "1A", "A1:", ":A1", "A", "5", "A1:B2:C3", "A 1", "A1B",
                           "ABCD1", "$$A1", "A$", "Ä1", "A12345678"}) {
    EXPECT_THROW(ParseA1(text), Error) << text;
  }
  for (const char* text : {"XFE1", "A1048577", "A1:XFE2"})
    EXPECT_THROW(ParseA1(text), Error) << text;
  EXPECT_THROW(ParseRows("A:B"), Error);
  EXPECT_THROW(ParseRows("0:3"), Error);
  EXPECT_THROW(CheckCell(0, 1), Error);
  EXPECT_THROW(CheckCell(1, kMaxColumns + 1), Error);
  EXPECT_NO_THROW(CheckCell(kMaxRows, kMaxColumns));
}

TEST(A1Reference, NamesColumnsAndCells) {
  EXPECT_EQ(ColumnLetters(1), "A");
  EXPECT_EQ(ColumnLetters(26), "Z");
  EXPECT_EQ(ColumnLetters(27), "AA");
  EXPECT_EQ(ColumnLetters(702), "ZZ");
  EXPECT_EQ(ColumnLetters(703), "AAA");
  EXPECT_EQ(ColumnLetters(kMaxColumns), "XFD");
  std::string name = "x";
  AppendCellName(name, 1048576, 211);
  EXPECT_EQ(name, "xHC1048576");
  EXPECT_EQ(RectName(CellRect{2, 3, 2, 3}), "C2");
  EXPECT_EQ(RectName(CellRect{2, 3, 4, 28}), "C2:AB4");
  // Every column name reads back as its column.
  for (std::int32_t c = 1; c <= kMaxColumns; c += 97) {
    EXPECT_EQ(ParseA1(ColumnLetters(c) + "1").lngLeft, c);
  }
}

}  // namespace
}  // namespace excel
