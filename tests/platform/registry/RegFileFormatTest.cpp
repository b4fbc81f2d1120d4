#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry/RegFileFormat.h"
#include "platform/registry/Utf16.h"
#include "support/TestSupport.h"

namespace {

using registry::FormatRegFile;
using registry::Hive;
using registry::HiveValue;
using registry::ParseRegFile;

constexpr const char* kSettingsKey = "HKEY_CURRENT_USER\\Software\\Tevrana\\Quorvan\\Settings";

std::vector<std::uint8_t> Utf16Sz(const std::string& strText) {
  auto data = registry::Utf8ToUtf16Le(strText);
  data.push_back(0);
  data.push_back(0);
  return data;
}

const HiveValue& ValueOf(const Hive& hive, const std::string& strKey, const std::string& strName) {
  const auto* key = hive.FindKey(strKey);
  EXPECT_NE(key, nullptr) << strKey;
  static const HiveValue kNone{};
  if (key == nullptr) return kNone;
  const auto* value = key->FindValue(strName);
  EXPECT_NE(value, nullptr) << strName;
  return value != nullptr ? *value : kNone;
}

TEST(ParseRegFile, ReadsTheEditorsUtf16Export) {
  const auto bytes =
      testsupport::ReadFile(testsupport::FixturesDir() / "registry" / "quorvan-regedit-utf16.reg");
  const auto hive = ParseRegFile(bytes);
  ASSERT_TRUE(hive.has_value());

  const std::string strColors = "HKEY_CURRENT_USER\\Software\\Tevrana\\Quorvan\\Colors";
  EXPECT_EQ(ValueOf(*hive, strColors, "ColorHeader").data, Utf16Sz("14737632"));
  EXPECT_EQ(ValueOf(*hive, strColors, "ColorTasksTask").data, Utf16Sz("12.6"));
  EXPECT_EQ(ValueOf(*hive, strColors, "ColorArrowShadow").data, Utf16Sz(""));
  EXPECT_EQ(hive->FindKey(strColors)->FindValue("ColorArrow"), nullptr);

  const HiveValue& desc = ValueOf(*hive, kSettingsKey, "FieldDesc");
  EXPECT_EQ(desc.dwType, 2u);
  EXPECT_EQ(desc.data, Utf16Sz("Text26"));
  const HiveValue& start = ValueOf(*hive, kSettingsKey, "UseFieldStart");
  EXPECT_EQ(start.dwType, 4u);
  EXPECT_EQ(start.data, (std::vector<std::uint8_t>{5, 0, 0, 0}));
  const HiveValue& finish = ValueOf(*hive, kSettingsKey, "UseFieldFinish");
  EXPECT_EQ(finish.dwType, 3u);
  EXPECT_EQ(finish.data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(ValueOf(*hive, kSettingsKey, "FieldTargets").data.size(), (1106u + 1) * 2);
  EXPECT_EQ(ValueOf(*hive, kSettingsKey, "ColumnWidthRessources").data, Utf16Sz(" "));

  // Non-ASCII text of the add-in's registration survives the decoding.
  const auto& description = ValueOf(
      *hive, "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\MS Project\\Addins\\Quorvan.Connect",
      "Description");
  EXPECT_EQ(description.data,
            Utf16Sz("Addin zur Erstellung von Kommunikationsdiagrammen aus Projektplänen."));
  // The parent key of a key line exists as a key of its own.
  EXPECT_NE(hive->FindKey("HKEY_CURRENT_USER\\Software\\Tevrana"), nullptr);
}

TEST(ParseRegFile, ComparesNamesWithoutLetterCase) {
  const auto hive = ParseRegFile(
      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"Name\"=\"x\"\n");
  ASSERT_TRUE(hive.has_value());
  const auto* key = hive->FindKey("hkey_current_user\\SOFTWARE\\a");
  ASSERT_NE(key, nullptr);
  EXPECT_NE(key->FindValue("nAME"), nullptr);
}

TEST(ParseRegFile, ReadsEscapesDefaultValuesContinuationsAndDeletions) {
  const std::string strText =
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
      "\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\A]\r\n"
      "@=\"default\"\r\n"
      "\"Path\"=\"C:\\\\Temp\\\\\\\"x\\\"\"\r\n"
      "\"Long\"=hex:01,02,\\\r\n"
      "  03,04\r\n"
      "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
      "\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
      "\"Gone\"=\"x\"\r\n"
      "\"Gone\"=-\r\n"
      "\r\n"
      "[HKEY_CURRENT_USER\\Software\\B\\C]\r\n"
      "\"v\"=dword:0000000a\r\n"
      "[-HKEY_CURRENT_USER\\Software\\B]\r\n";
  const auto hive = ParseRegFile(strText);
  ASSERT_TRUE(hive.has_value());
  const std::string strA = "HKEY_CURRENT_USER\\Software\\A";
  EXPECT_EQ(ValueOf(*hive, strA, "").data, Utf16Sz("default"));
  EXPECT_EQ(ValueOf(*hive, strA, "Path").data, Utf16Sz("C:\\Temp\\\"x\""));
  EXPECT_EQ(ValueOf(*hive, strA, "Long").data, (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(ValueOf(*hive, strA, "Multi").dwType, 7u);
  EXPECT_EQ(ValueOf(*hive, strA, "Q").dwType, 11u);
  EXPECT_EQ(hive->FindKey(strA)->FindValue("Gone"), nullptr);
  EXPECT_EQ(hive->FindKey("HKEY_CURRENT_USER\\Software\\B"), nullptr);
  EXPECT_EQ(hive->FindKey("HKEY_CURRENT_USER\\Software\\B\\C"), nullptr);
}

TEST(ParseRegFile, KeysOfManyValuesAndKeysDeletedAndMadeAgainKeepTheirOrder) {
  std::string strText =
      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\A]\n";
  for (int i = 0; i < 40; ++i) {
    strText += "\"V" + std::to_string(i) + "\"=\"" + std::to_string(i) + "\"\n";
  }
  strText +=
      "\"v5\"=\"neu\"\n\"V7\"=-\n\"v20\"=-\n\"V40\"=\"40\"\n"
      "[HKEY_CURRENT_USER\\Software\\B\\X\\Tief]\n[HKEY_CURRENT_USER\\Software\\B\\Y]\n"
      "[-HKEY_CURRENT_USER\\Software\\B\\X]\n[HKEY_CURRENT_USER\\Software\\B\\Z]\n"
      "[HKEY_CURRENT_USER\\software\\b\\x]\n\"Wieder\"=\"da\"\n";
  const auto hive = ParseRegFile(strText);
  ASSERT_TRUE(hive.has_value());

  const std::string strA = "HKEY_CURRENT_USER\\Software\\A";
  std::vector<std::string> names;
  for (const HiveValue& value : hive->FindKey(strA)->Values()) names.push_back(value.strName);
  std::vector<std::string> expected;
  for (int i = 0; i <= 40; ++i) {
    if (i != 7 && i != 20) expected.push_back("V" + std::to_string(i));
  }
  EXPECT_EQ(names, expected) << "a value set again stays where it stood, under its first name";
  EXPECT_EQ(ValueOf(*hive, strA, "V5").data, Utf16Sz("neu"));
  EXPECT_EQ(ValueOf(*hive, strA, "v39").data, Utf16Sz("39"));
  EXPECT_EQ(hive->FindKey(strA)->FindValue("V20"), nullptr);

  EXPECT_EQ(hive->SubKeyNames("HKEY_CURRENT_USER\\Software\\B"),
            (std::vector<std::string>{"Y", "Z", "x"}));
  EXPECT_EQ(hive->FindKey("HKEY_CURRENT_USER\\Software\\B\\X\\Tief"), nullptr);
  EXPECT_EQ(ValueOf(*hive, "HKEY_CURRENT_USER\\Software\\B\\X", "Wieder").data, Utf16Sz("da"));
  const auto again = ParseRegFile(FormatRegFile(*hive));
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(FormatRegFile(*again), FormatRegFile(*hive));
}

TEST(ParseRegFile, RefusesWhatIsNotARegistryExport) {
  const std::string kHeader = "Windows Registry Editor Version 5.00\n";
  EXPECT_FALSE(ParseRegFile("just some text\n"));
  EXPECT_FALSE(ParseRegFile("REGEDIT5\n[HKEY_CURRENT_USER\\A]\n"));
  EXPECT_FALSE(ParseRegFile(kHeader + "\"orphan\"=\"value before any key\"\n"));
  EXPECT_FALSE(ParseRegFile(kHeader + "[HKEY_CURRENT_USER\\A]\n\"open\"=\"no end\n"));
  EXPECT_FALSE(ParseRegFile(kHeader + "[HKEY_CURRENT_USER\\A]\n\"x\"=dword:123456789\n"));
  EXPECT_FALSE(ParseRegFile(kHeader + "[HKEY_CURRENT_USER\\A]\n\"x\"=hex:1,02\n"));
  EXPECT_FALSE(ParseRegFile(kHeader + "[HKEY_CURRENT_USER\\A]\n\"x\"=hex:01,\n"));
  EXPECT_FALSE(ParseRegFile(kHeader + "[HKEY_CURRENT_USER\\A]\n\"x\"=what\n"));
  EXPECT_FALSE(ParseRegFile(kHeader + "[HKEY_CURRENT_USER\\A\n"));
  EXPECT_FALSE(ParseRegFile(kHeader + "[HKEY_CURRENT_USER\\\\A]\n"));
  std::string strDeep = "HKEY_CURRENT_USER";
  for (int i = 0; i < 600; ++i) strDeep += "\\A";
  EXPECT_FALSE(ParseRegFile(kHeader + "[" + strDeep + "]\n"));          // deeper than Windows goes
  EXPECT_FALSE(ParseRegFile(std::string("\xFF\xFEW", 3)));              // odd UTF-16 length
  EXPECT_FALSE(ParseRegFile(kHeader + "[HKEY_CURRENT_USER\\\xC3]\n"));  // broken UTF-8
  // A file with nothing in it holds no keys; that is not damage.
  ASSERT_TRUE(ParseRegFile("").has_value());
  EXPECT_TRUE(ParseRegFile("\r\n")->Keys().empty());
}

TEST(FormatRegFile, WritesWhatItReadsBack) {
  Hive hive;
  auto& key = hive.CreateKey("HKEY_CURRENT_USER\\Software\\Tevrana\\Quorvan\\Settings");
  key.SetValue({"ArrowEndSize", 1, Utf16Sz("groß")});
  key.SetValue({"Quote", 1, Utf16Sz("a \"b\" \\c\\")});
  key.SetValue({"", 1, Utf16Sz("default")});
  key.SetValue({"Lines", 1, Utf16Sz("one\r\ntwo")});  // cannot stand between quotes
  key.SetValue({"Dword", 4, {0x0a, 0, 0, 0x80}});
  key.SetValue({"Expand", 2, Utf16Sz("%HOME%")});
  key.SetValue({"Empty", 3, {}});
  key.SetValue({"Long", 3, std::vector<std::uint8_t>(300, 0xab)});

  const std::string strText = FormatRegFile(hive);
  EXPECT_TRUE(strText.starts_with("Windows Registry Editor Version 5.00\r\n\r\n"));
  EXPECT_NE(strText.find("\"ArrowEndSize\"=\"groß\"\r\n"), std::string::npos);
  EXPECT_NE(strText.find("\"Quote\"=\"a \\\"b\\\" \\\\c\\\\\"\r\n"), std::string::npos);
  EXPECT_NE(strText.find("@=\"default\"\r\n"), std::string::npos);
  EXPECT_NE(strText.find("\"Dword\"=dword:8000000a\r\n"), std::string::npos);
  EXPECT_NE(strText.find("\"Lines\"=hex(1):"), std::string::npos);
  EXPECT_NE(strText.find("\"Empty\"=hex:\r\n"), std::string::npos);
  // Long binary data is wrapped, as the editor wraps it: no line longer than 80 characters.
  std::size_t posLine = 0;
  while (posLine < strText.size()) {
    const std::size_t posEnd = strText.find("\r\n", posLine);
    EXPECT_LE(posEnd - posLine, 80u) << strText.substr(posLine, posEnd - posLine);
    posLine = posEnd + 2;
  }

  const auto again = ParseRegFile(strText);
  ASSERT_TRUE(again.has_value());
  ASSERT_EQ(again->Keys().size(), hive.Keys().size());
  for (std::size_t k = 0; k < hive.Keys().size(); ++k) {
    const auto& expected = hive.Keys()[k];
    const auto& actual = again->Keys()[k];
    EXPECT_EQ(actual.Path(), expected.Path());
    ASSERT_EQ(actual.Values().size(), expected.Values().size());
    for (std::size_t v = 0; v < expected.Values().size(); ++v) {
      EXPECT_EQ(actual.Values()[v].strName, expected.Values()[v].strName);
      EXPECT_EQ(actual.Values()[v].dwType, expected.Values()[v].dwType);
      EXPECT_EQ(actual.Values()[v].data, expected.Values()[v].data) << expected.Values()[v].strName;
    }
  }
}

TEST(FormatRegFile, RewritesTheEditorsExportWithoutLoss) {
  const auto bytes =
      testsupport::ReadFile(testsupport::FixturesDir() / "registry" / "quorvan-regedit-utf16.reg");
  const auto hive = ParseRegFile(bytes);
  ASSERT_TRUE(hive.has_value());
  const auto again = ParseRegFile(FormatRegFile(*hive));
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(FormatRegFile(*again), FormatRegFile(*hive));
  EXPECT_EQ(again->Keys().size(), hive->Keys().size());
}

TEST(ParseRegFile, DamagedFilesNeitherCrashNorComeBackDifferent) {
  // Every cut and many single-byte changes of a real export: each either reads as no export at
  // all, or as keys that are written and read back unchanged.
  const auto bytes =
      testsupport::ReadFile(testsupport::FixturesDir() / "registry" / "quorvan-regedit-utf16.reg");
  const auto hive = ParseRegFile(bytes);
  ASSERT_TRUE(hive.has_value());
  const std::string strUtf8 = FormatRegFile(*hive);

  auto expectStable = [](const std::string& strDamaged) {
    const auto damaged = ParseRegFile(strDamaged);
    if (!damaged) return;
    const std::string strWritten = FormatRegFile(*damaged);
    const auto again = ParseRegFile(strWritten);
    ASSERT_TRUE(again.has_value()) << strDamaged;
    EXPECT_EQ(FormatRegFile(*again), strWritten);
  };
  for (std::size_t cch = 0; cch < strUtf8.size(); cch += 29) expectStable(strUtf8.substr(0, cch));
  for (std::size_t cb = 0; cb < bytes.size(); cb += 53) expectStable(bytes.substr(0, cb));
  std::uint32_t seed = 12345;
  for (int i = 0; i < 400; ++i) {
    seed = seed * 1103515245u + 12345u;
    std::string strDamaged = strUtf8;
    const std::size_t pos = (seed >> 8) % strDamaged.size();
    const char kReplacements[] = {'"', '\\', '[', ']', '=', ',', '\n', '\0', '\xC3', 'x', '@', '-'};
    strDamaged[pos] = kReplacements[(seed >> 4) % sizeof kReplacements];
    expectStable(strDamaged);
  }
}

}  // namespace
