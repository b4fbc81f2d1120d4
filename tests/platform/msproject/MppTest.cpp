// Microsoft Project's own files: each format version gives the plan its XML twin (saved by the
// same release) gives; protected, old and damaged files are refused with their reason.

#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>
#include <string>

#include "CompoundFileCopy.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/PlanJson.h"
#include "platform/msproject/Reader.h"
#include "support/TestSupport.h"

namespace {

using msproject::Application;
using testsupport::FixturesDir;

// What the host read, without the file's name.
nlohmann::json ReadAsJson(const std::filesystem::path& plan) {
  Application app;
  app.FileOpen(plan);
  nlohmann::json dump = nlohmann::json::parse(msproject::PlanJson(app.ActiveProject()));
  dump.erase("file");
  return dump;
}

// The message of opening the file, "" when it opens.
std::string OpenMessage(const std::filesystem::path& plan) {
  Application app;
  try {
    app.FileOpen(plan);
  } catch (const msproject::Error& e) {
    return e.what();
  }
  return "";
}

struct Twin {
  std::string strMpp;
  std::string strXml;
};

class MppTwins : public testing::TestWithParam<Twin> {};

TEST_P(MppTwins, GiveWhatTheirXmlGives) {
  const nlohmann::json mpp = ReadAsJson(FixturesDir() / "mpp" / GetParam().strMpp);
  const nlohmann::json xml = ReadAsJson(FixturesDir() / GetParam().strXml);
  EXPECT_EQ(mpp, xml) << nlohmann::json::diff(xml, mpp).dump(1);
  EXPECT_FALSE(mpp["tasks"].empty() && mpp["resources"].empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryFormatVersion, MppTwins,
    testing::Values(
        // MPP9: Text1 … Text30 of Project 2003.
        Twin{"task-text-project2003-mpp9.mpp", "mspdi/task-text-project2003-mspdi.xml"},
        // MPP12: links of every kind, Project 2007.
        Twin{"task-links-project2007-mpp12.mpp", "mpp/task-links-project2007-mspdi.xml"},
        // MPP12 as Project 2019 saves it: the largest file of the test data.
        Twin{"task-durations-project2019-mpp12.mpp", "mspdi/task-durations-project2019-mspdi.xml"},
        // MPP14 of Project 2019: durations in every unit, estimated and elapsed; manually
        // scheduled dates; resources with groups.
        Twin{"task-durations-project2019-mpp14.mpp", "mspdi/task-durations-project2019-mspdi.xml"},
        Twin{"task-dates-project2019-mpp14.mpp", "mspdi/task-dates-project2019-mspdi.xml"},
        Twin{"resource-misc-project2019-mpp14.mpp", "mspdi/resource-misc-project2019-mspdi.xml"}),
    [](const testing::TestParamInfo<Twin>& info) {
      std::string strName = info.param.strMpp.substr(0, info.param.strMpp.find('.'));
      for (char& c : strName) {
        if (c == '-') c = '_';
      }
      return strName;
    });

TEST(MppFiles, InsertedMppProjectsAreFollowed) {
  // The plan inserts SubprojectA-9.mpp and SubprojectB-9.mpp from C:\Java\mpxj\junit\data.
  testsupport::TempDir dir;
  std::filesystem::copy_file(FixturesDir() / "mpp" / "mpp14subproject.mpp", dir / "Plan.mpp");
  std::filesystem::copy_file(FixturesDir() / "mpp" / "task-text-project2003-mpp9.mpp",
                             dir / "SubprojectA-9.mpp");
  Application app;
  app.FileOpen(dir / "Plan.mpp");
  const msproject::Project& plan = app.ActiveProject();
  ASSERT_EQ(plan.Tasks().Count(), 3);
  EXPECT_EQ(plan.Tasks().Item(2)->Subproject(), "C:\\Java\\mpxj\\junit\\data\\SubprojectA-9.mpp");
  EXPECT_TRUE(plan.Tasks().Item(2)->Summary());
  EXPECT_EQ(plan.Tasks().Item(1)->Subproject(), "");
  ASSERT_EQ(plan.Subprojects().size(), 2u);
  const msproject::Project& inserted = plan.Subprojects()[0].SourceProject();
  EXPECT_EQ(inserted.Name(), "SubprojectA-9.mpp");
  EXPECT_EQ(inserted.Tasks().Item(1)->Name(), "Text1");
  EXPECT_THROW(plan.Subprojects()[1].SourceProject(), msproject::Error);
  ASSERT_EQ(plan.UnreadSubprojects().size(), 1u);
  EXPECT_EQ(plan.UnreadSubprojects()[0].lngTaskID, 3);
  EXPECT_EQ(plan.UnreadSubprojects()[0].strTaskName, "SubprojectB-9");
}

TEST(MppFiles, ProtectedOldAndForeignFilesAreRefusedWithWhatToDo) {
  const std::filesystem::path data = FixturesDir() / "mpp";
  EXPECT_EQ(OpenMessage(data / "readpassword9.mpp"),
            "Die Projektdatei „readpassword9.mpp“ ist kennwortgeschützt: Quorvan kann sie ohne "
            "das Kennwort nicht lesen. Bitte in Microsoft Project das Kennwort zum Öffnen "
            "entfernen (Datei > Speichern unter > Tools > Allgemeine Optionen) oder den Plan im "
            "XML-Format speichern.");
  // A password that only protects saving does not keep the plan from being read.
  Application app;
  app.FileOpen(data / "writepassword9.mpp");
  EXPECT_GT(app.ActiveProject().Tasks().Count(), 0);
  EXPECT_EQ(OpenMessage(data / "task-links-project98-mpp8.mpp"),
            "Die Projektdatei „task-links-project98-mpp8.mpp“ wurde mit Microsoft Project 98 "
            "gespeichert (Dateiformat MPP8); dieses alte Format liest Quorvan nicht. Bitte die "
            "Datei in Microsoft Project öffnen und als aktuelle .mpp-Datei oder im XML-Format "
            "speichern.");
  // A project database: an Access database, recognised by its first bytes.
  testsupport::TempDir dir;
  std::string strDatabase(2048, '\0');
  std::memcpy(strDatabase.data(), "\x00\x01\x00\x00Standard Jet DB", 19);
  testsupport::WriteFile(dir / "Plan.mpd", strDatabase);
  EXPECT_EQ(OpenMessage(dir / "Plan.mpd"),
            "Die Projektdatei „Plan.mpd“ ist eine Projektdatenbank von Microsoft Project (.mpd); "
            "dieses Format liest Quorvan nicht. Bitte die Datei in Microsoft Project öffnen und "
            "als aktuelle .mpp-Datei oder im XML-Format speichern.");
  // A compound file of another program.
  std::filesystem::copy_file(FixturesDir() / "excel-made" / "drawings.xls", dir / "Mappe.mpp");
  EXPECT_EQ(OpenMessage(dir / "Mappe.mpp"),
            "Die Projektdatei „Mappe.mpp“ konnte nicht gelesen werden: Die Datei ist keine "
            "Projektdatei von Microsoft Project.");
}

// Little-endian four bytes at a place of a stream.
void Put(std::string& bytes, std::size_t at, std::uint32_t value) {
  std::memcpy(bytes.data() + at, &value, sizeof value);
}

TEST(MppFiles, DamagedFilesAreRefusedNamingWhatIsDamaged) {
  const std::filesystem::path original = FixturesDir() / "mpp" / "task-dates-project2019-mpp14.mpp";
  const std::string strPrefix =
      "Die Projektdatei „Plan.mpp“ konnte nicht gelesen werden: Die Datei ist beschädigt";
  struct Case {
    std::string strStream;
    std::function<bool(std::string&)> change;
    std::string strExpected;
  };
  const Case cases[] = {
      // A row of the task table that lies behind the end of its values.
      {"   114/TBkndTask/FixedMeta",
       [](std::string& b) {
         Put(b, 16 + 5 * 47 + 4, 0x7FFFFFF0);
         return true;
       },
       ": der Eintrag 6 von „TBkndTask/FixedMeta“ zeigt hinter das Ende von "
       "„TBkndTask/FixedData“."},
      // More values named than the directory holds, and a value outside its block.
      {"   114/TBkndTask/VarMeta",
       [](std::string& b) {
         Put(b, 8, 1000000);
         return true;
       },
       ": „TBkndTask/VarMeta“ nennt mehr Einträge, als der Block hält."},
      {"   114/TBkndTask/VarMeta",
       [](std::string& b) {
         Put(b, 24 + 4, 0xFFFFFF00);
         return true;
       },
       ": der Eintrag 1 von „TBkndTask/VarMeta“ zeigt hinter das Ende von "
       "„TBkndTask/Var2Data“."},
      // A property longer than the block of properties.
      {"   114/Props",
       [](std::string& b) {
         Put(b, 16, 0x00FFFFFF);
         return true;
       },
       ": der Wert "},
      // A directory that is no directory, and a table without its values.
      {"   114/TBkndRsc/FixedMeta",
       [](std::string& b) {
         Put(b, 0, 0);
         return true;
       },
       ": „TBkndRsc/FixedMeta“ ist kein Verzeichnis einer Tabelle."},
      {"   114/TBkndTask/Var2Data", [](std::string&) { return false; },
       ": der Block „TBkndTask/Var2Data“ fehlt."},
  };
  for (const Case& c : cases) {
    testsupport::TempDir dir;
    testsupport::CopyCompoundFile(original, dir / "Plan.mpp", c.strStream, c.change);
    const std::string strMessage = OpenMessage(dir / "Plan.mpp");
    EXPECT_EQ(strMessage.substr(0, strPrefix.size() + c.strExpected.size()),
              strPrefix + c.strExpected)
        << strMessage;
  }
  // A file cut off, as by a full disk.
  testsupport::TempDir dir;
  const std::string strWhole = testsupport::ReadFile(original);
  for (const std::size_t size : {std::size_t{600}, strWhole.size() / 2}) {
    testsupport::WriteFile(dir / "Plan.mpp", strWhole.substr(0, size));
    EXPECT_EQ(OpenMessage(dir / "Plan.mpp").substr(0, strPrefix.size()), strPrefix) << size;
  }
}

// A stream whose first sector lies outside the file: libgsf's own warning would go to stderr
// beside the refusal; the refusal alone says it.
TEST(MppFiles, ADamagedContainerIsSaidByTheRefusalAlone) {
  std::string strBytes =
      testsupport::ReadFile(FixturesDir() / "mpp" / "task-durations-project2019-mpp14.mpp");
  const std::string strName("P\0r\0o\0p\0s\0001\0004\0\0\0", 16);
  const std::size_t entry = strBytes.find(strName);
  ASSERT_NE(entry, std::string::npos);
  Put(strBytes, entry + 116, 0x7FFFF);
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "Plan.mpp", strBytes);
  testing::internal::CaptureStderr();
  const std::string strMessage = OpenMessage(dir / "Plan.mpp");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(strMessage,
            "Die Projektdatei „Plan.mpp“ konnte nicht gelesen werden: Die Datei ist beschädigt: "
            "der Block „Props14“ fehlt.");
}

// The summary information holds the title. One of its other texts longer than the stream (the
// author's length with a stray high byte) leaves the title as it is, and nothing behind on the
// heap.
TEST(MppFiles, ADamagedSummaryInformationSparesTheTitle) {
  const std::filesystem::path original = FixturesDir() / "mpp" / "task-links-project2007-mpp12.mpp";
  testsupport::TempDir dir;
  testsupport::CopyCompoundFile(original, dir / "Plan.mpp", "\x05SummaryInformation",
                                [](std::string& b) {
                                  b.at(183) = '\x25';
                                  return true;
                                });
  Application app;
  app.FileOpen(dir / "Plan.mpp");
  EXPECT_EQ(app.ActiveProject().Title(), "task-links-project2007-mpp12");
  EXPECT_EQ(app.ActiveProject().Tasks().Count(), ReadAsJson(original)["tasks"].size());
}

}  // namespace
