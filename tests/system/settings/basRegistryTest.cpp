#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/registry/ScopedRegistryFile.h"
#include "settings/basRegistry.h"
#include "support/TestSupport.h"

namespace {

using registry::HKEY_CURRENT_USER;

constexpr const char* kSettings = "Software\\Tevrana\\Quorvan\\Settings";

class basRegistryTest : public ::testing::Test {
 protected:
  testsupport::ScopedRegistryFile file_;
};

TEST_F(basRegistryTest, ReadsTheEditorsExportByType) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "FieldResponsible"), "Text11");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "ColumnWidthRessources"), " ");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "ArrowEndSize"), "Mittel");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "FieldDesc"), "Text26");  // not expanded
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "UseFieldStart"), "5");   // REG_DWORD
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "UseFieldFinish"), "");   // REG_BINARY
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "FieldTargets"), "");     // too long
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "FreezePanes"), "");      // missing
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, "Software\\Nowhere", "FreezePanes"), "");
  EXPECT_EQ(
      ReadRegString(HKEY_CURRENT_USER, "Software\\Tevrana\\Quorvan\\Colors", "ColorArrowShadow"),
      "");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER,
                          "Software\\Microsoft\\Office\\MS Project\\Addins\\Quorvan.Connect",
                          "Description"),
            "Addin zur Erstellung von Kommunikationsdiagrammen aus Projektplänen.");
}

TEST_F(basRegistryTest, ReadsTextUpToTheBufferOfOneThousandAndTwentyFourBytes) {
  // With its terminating zero, a text of 1,023 bytes just fits; one byte more does not.
  const std::string strFits(1023, 'x');
  const std::string strTooLong(1024, 'x');
  ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kSettings, "Fits", strFits));
  ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kSettings, "TooLong", strTooLong));
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "Fits"), strFits);
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "TooLong"), "");
  // The limit counts bytes: 512 "ß" are 1,024 bytes.
  std::string strUmlauts;
  for (int i = 0; i < 512; ++i) strUmlauts += "ß";
  ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kSettings, "Umlauts", strUmlauts));
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "Umlauts"), "");
}

TEST_F(basRegistryTest, ReadsADwordAsSignedDecimalText) {
  testsupport::WriteFile(file_.Path(),
                         "Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Tevrana\\Quorvan\\Settings]\r\n"
                         "\"Big\"=dword:ffffffff\r\n"
                         "\"Ten\"=dword:0000000a\r\n"
                         "\"Short\"=hex(4):05\r\n"
                         "\"Embedded\"=hex(1):41,00,00,00,42,00,00,00\r\n");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "Big"), "-1");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "Ten"), "10");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "Short"), "5");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "Embedded"), "A");  // cut at the zero
}

TEST_F(basRegistryTest, WritesTextAndABlankForTheEmptyText) {
  EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kSettings, "ArrowEndSize", "groß"));
  EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kSettings, "ColumnWidthRessources", ""));
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "ArrowEndSize"), "groß");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "ColumnWidthRessources"), " ");
  const std::string strFile = testsupport::ReadFile(file_.Path());
  EXPECT_NE(strFile.find("\"ColumnWidthRessources\"=\" \""), std::string::npos);
}

TEST_F(basRegistryTest, ReportsAWriteThatFailed) {
  std::filesystem::create_directory(file_.Path());  // the file cannot be read, so not replaced
  EXPECT_FALSE(WriteRegString(HKEY_CURRENT_USER, kSettings, "RowHeightTasks", "40"));
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettings, "RowHeightTasks"), "");
}

}  // namespace
