#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/shell/Buffers.h"
#include "platform/shell/Error.h"

namespace {

TEST(Buffers, LentMemoryIsReadAndWrittenInPlace) {
  shell::Buffers mem;
  std::string strBuffer(8, '\0');
  const std::string strTitle("Titel\0Rest", 10);
  const shell::Ptr32 buffer = mem.LendBuffer(strBuffer);
  const shell::Ptr32 title = mem.LendText(strTitle);
  EXPECT_NE(buffer, 0u);
  EXPECT_NE(title, 0u);
  EXPECT_NE(buffer, title);

  EXPECT_EQ(mem.Text(title), "Titel");
  EXPECT_EQ(mem.Read(title).size(), 10u);
  mem.Write(buffer)[0] = 'x';
  EXPECT_EQ(strBuffer[0], 'x');
  EXPECT_EQ(mem.Text(0), "");
}

TEST(Buffers, RefusesForeignAddressesAndWritesToReadOnlyMemory) {
  shell::Buffers mem;
  shell::Buffers other;
  const shell::Ptr32 title = mem.LendText("Titel");
  EXPECT_THROW(mem.Write(title), shell::Error);
  EXPECT_THROW(mem.Read(title + 1), shell::Error);
  EXPECT_THROW(mem.Read(0), shell::Error);
  // An address is only valid with the table that gave it.
  std::string strOther = "x";
  other.LendBuffer(strOther);
  const shell::Ptr32 second = mem.LendText("zwei");
  EXPECT_THROW(other.Read(second), shell::Error);
}

TEST(Buffers, BlocksDoNotOverlap) {
  shell::Buffers mem;
  std::string strLarge(1000, 'a');
  const shell::Ptr32 first = mem.LendBuffer(strLarge);
  const shell::Ptr32 second = mem.LendText("b");
  EXPECT_GE(second, first + 1000);
  EXPECT_EQ(first % 16, 0u);
  EXPECT_EQ(second % 16, 0u);
}

TEST(Buffers, AllocatedMemoryCarriesItsKind) {
  shell::Buffers mem;
  const shell::Ptr32 list = mem.Allocate("/home/anna", shell::Buffers::Kind::ItemIdList);
  const shell::Ptr32 lent = mem.LendText("x");
  EXPECT_EQ(mem.KindOf(list), shell::Buffers::Kind::ItemIdList);
  EXPECT_EQ(mem.KindOf(lent), shell::Buffers::Kind::Lent);
  EXPECT_EQ(mem.Read(list), "/home/anna");
}

}  // namespace
