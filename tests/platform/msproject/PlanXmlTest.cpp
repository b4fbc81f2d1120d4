// Editing the custom text fields of a plan and writing it as MSPDI: a plan read from XML keeps
// every byte but the edited fields, in every encoding it may be saved in; a plan read from .mpp
// or .mpx is written anew and read back as the same plan.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "PlanText.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/PlanJson.h"
#include "platform/msproject/PlanXml.h"
#include "platform/msproject/Reader.h"
#include "platform/msproject/TextEncoding.h"
#include "platform/msproject/mspdi/XmlText.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using msproject::Project;
using msproject::TextFieldId;

std::vector<fs::path> FixturesEndingIn(const std::vector<std::string>& colExtensions) {
  std::vector<fs::path> colFiles;
  for (const char* strFolder : {"mspdi", "mpp"}) {
    for (const auto& entry : fs::directory_iterator(testsupport::FixturesDir() / strFolder)) {
      const std::string strExtension = entry.path().extension().string();
      if (std::find(colExtensions.begin(), colExtensions.end(), strExtension) !=
          colExtensions.end()) {
        colFiles.push_back(entry.path());
      }
    }
  }
  for (const char* strExample : {"Markteinfuehrung.xml", "Schulung.xml"}) {
    if (colExtensions.front() == ".xml") {
      colFiles.push_back(testsupport::SourceDir() / "examples" / strExample);
    }
  }
  std::sort(colFiles.begin(), colFiles.end());
  return colFiles;
}

// The plan as JSON without its file name, which a plan written under another name changes.
nlohmann::json PlanWithoutFile(const Project& plan) {
  nlohmann::json json = nlohmann::json::parse(msproject::PlanJson(plan));
  json.erase("file");
  return json;
}

msproject::Task& TaskWithID(Project& plan, std::int32_t lngID) {
  for (msproject::Task* task : plan.Tasks()) {
    if (task && task->ID() == lngID) return *task;
  }
  throw std::runtime_error("no task " + std::to_string(lngID));
}

TEST(PlanXml, EveryPlanReadFromXmlIsWrittenByteForByteWhileUnedited) {
  const auto colPlans = FixturesEndingIn({".xml"});
  ASSERT_GE(colPlans.size(), 12u);
  for (const fs::path& file : colPlans) {
    SCOPED_TRACE(file.filename().string());
    const auto read = msproject::Reader::ReadFile(file);
    EXPECT_TRUE(read.front()->Saved());
    EXPECT_TRUE(read.front()->ReadFromXml());
    EXPECT_TRUE(msproject::PlanXml(*read.front()) == testsupport::ReadFile(file));
  }
}

TEST(PlanXml, EveryPlanReadFromMppOrMpxReadsBackAsTheSamePlan) {
  std::size_t lngCompared = 0;
  for (const fs::path& file : FixturesEndingIn({".mpp", ".mpx"})) {
    SCOPED_TRACE(file.filename().string());
    std::vector<std::unique_ptr<Project>> read;
    try {
      read = msproject::Reader::ReadFile(file);
    } catch (const msproject::Error& error) {
      // Only the plans protected by a password and those of Project 98 are refused.
      const std::set<std::string> colRefused{"readpassword9.mpp", "writepassword9.mpp",
                                             "task-links-project98-mpp8.mpp"};
      EXPECT_EQ(colRefused.count(file.filename().string()), 1u) << error.what();
      continue;
    }
    const Project& plan = *read.front();
    EXPECT_FALSE(plan.ReadFromXml());
    const std::string strXml = msproject::PlanXml(plan);
    // Beside the plan, so that its inserted projects are looked up where they were.
    const auto back =
        msproject::Reader::ReadBuffer(strXml, file.parent_path() / (file.stem().string() + ".xml"));
    EXPECT_EQ(PlanWithoutFile(*back.front()), PlanWithoutFile(plan));
    ++lngCompared;
  }
  EXPECT_GE(lngCompared, 12u);
}

// The tree of a plan's XML as text, without the ExtendedAttribute elements of the given fields
// in the given tasks and in the plan's definitions, and without blanks between elements.
std::string TreeWithout(const std::string& bytes, const std::set<std::int32_t>& colUIDs,
                        const std::set<std::int32_t>& colFields) {
  const std::string strText = msproject::PlanTextAsUtf8(bytes);
  pugi::xml_document document;
  const std::size_t lngMark = std::string_view(strText).starts_with("\xEF\xBB\xBF") ? 3 : 0;
  EXPECT_TRUE(document.load_buffer(strText.data() + lngMark, strText.size() - lngMark,
                                   pugi::parse_default | pugi::parse_declaration,
                                   pugi::encoding_utf8));
  const auto strip = [&](pugi::xml_node parent) {
    for (pugi::xml_node child = parent.first_child(); child;) {
      const pugi::xml_node next = child.next_sibling();
      if (std::string_view(child.name()) == "ExtendedAttribute" &&
          colFields.count(child.child("FieldID").text().as_int()) != 0) {
        parent.remove_child(child);
      }
      child = next;
    }
  };
  pugi::xml_node root = document.document_element();
  strip(root.child("ExtendedAttributes"));
  // A list of definitions that only the edits filled.
  if (!root.child("ExtendedAttributes").first_child()) root.remove_child("ExtendedAttributes");
  for (pugi::xml_node task : root.child("Tasks").children("Task")) {
    if (colUIDs.count(task.child("UID").text().as_int()) != 0) strip(task);
  }
  std::ostringstream out;
  document.save(out, "", pugi::format_raw | pugi::format_no_declaration);
  return out.str();
}

struct Edit {
  std::int32_t lngTaskID;
  std::int32_t fieldId;
  std::string strValue;
};

struct EditCase {
  std::string strName;
  std::string strPlan;  // the plan's bytes
  std::vector<Edit> colEdits;
  // Bytes that the saved file holds (the value as the encoding writes it).
  std::string strSavedHolds;
};

std::string Fixture(const std::string& strName) {
  return testsupport::ReadFile(testsupport::FixturesDir() / "mspdi" / strName);
}

// A small plan in an encoding of its own: its declaration names it and its text is converted.
std::string SmallPlan(const std::string& strIconv, const std::string& strDeclared,
                      const std::string& strMark = "") {
  std::string strXml = plantext::Plan(
      plantext::Task(1, "Prüfung") +
          plantext::Task(2, "Abnahme",
                         "<ExtendedAttribute><FieldID>188744006</FieldID><Value>Weiß</Value>"
                         "</ExtendedAttribute>"),
      plantext::Resource(1, "Weiß", "Team"));
  strXml.replace(strXml.find("UTF-8"), 5, strDeclared);
  if (strIconv.empty()) return strMark + strXml;
  msproject::PlanEncoding encoding{strIconv, strDeclared, strMark};
  return msproject::Utf8AsPlanText(strXml, encoding);
}

TEST(PlanXml, EditedRoleFieldsReadBackWithTheRestOfTheTreeUnchanged) {
  const std::int32_t text1 = TextFieldId(1);
  const std::int32_t text21 = TextFieldId(21);
  const std::int32_t text22 = TextFieldId(22);
  const std::int32_t text23 = TextFieldId(23);
  const std::vector<EditCase> colCases{
      // Project 2019, one element a line: a value changed, one cleared, one set where the task
      // had none, in a field the plan defines and in one it does not.
      {"changed, cleared, added, defined anew",
       Fixture("task-text-project2019-mspdi.xml"),
       {{1, text1, "Müller & Söhne <GmbH>"}, {2, text1, ""}, {3, text21, "Weiß;Schmidt"}},
       "<Value>Müller &amp; Söhne &lt;GmbH&gt;</Value>"},
      // Project 2003, all on one line.
      {"one line",
       Fixture("task-text-project2003-mspdi.xml"),
       {{1, text21, "Anna"}, {1, text22, "Bernd"}, {1, text23, "Clara"}},
       "<ExtendedAttribute><FieldID>188744008</FieldID><Value>Bernd</Value></ExtendedAttribute>"},
      // Blank rows, tasks without any ExtendedAttribute, plans without definitions.
      {"blank rows",
       Fixture("mspdinulltasks.xml"),
       {{1, text21, "A"}, {3, text21, "B"}},
       "<FieldName>Text21</FieldName>"},
      {"links",
       Fixture("task-links-project2016-mspdi.xml"),
       {{5, text23, "Team \"Nord\""}},
       "<Value>Team \"Nord\"</Value>"},
      {"ISO-8859-1",
       SmallPlan("ISO-8859-1", "ISO-8859-1"),
       {{1, text21, "Jörg € 1"}, {2, text21, ""}},
       std::string("<Value>J\xF6rg &#x20AC; 1</Value>")},
      {"windows-1252",
       SmallPlan("WINDOWS-1252", "windows-1252"),
       {{2, text21, "Jörg € 1"}},
       std::string("<Value>J\xF6rg \x80 1</Value>")},
      {"UTF-16 with byte order mark",
       SmallPlan("UTF-16LE", "UTF-16", "\xFF\xFE"),
       {{1, text22, "Jörg"}},
       msproject::Utf8AsPlanText("<Value>Jörg</Value>", {"UTF-16LE", "UTF-16", ""})},
      {"UTF-8 with byte order mark",
       SmallPlan("", "UTF-8", "\xEF\xBB\xBF"),
       {{2, text21, "Zoë"}},
       "<Value>Zoë</Value>"},
  };
  for (const EditCase& edit : colCases) {
    SCOPED_TRACE(edit.strName);
    const fs::path path = testsupport::FixturesDir() / "mspdi" / "Bearbeitet.xml";
    auto read = msproject::Reader::ReadBuffer(edit.strPlan, path);
    Project& plan = *read.front();
    std::set<std::int32_t> colUIDs;
    std::set<std::int32_t> colFields;
    for (const Edit& change : edit.colEdits) {
      msproject::Task& task = TaskWithID(plan, change.lngTaskID);
      task.SetField(change.fieldId, change.strValue);
      colUIDs.insert(task.UniqueID());
      colFields.insert(change.fieldId);
    }
    EXPECT_FALSE(plan.Saved());
    const std::string strSaved = msproject::PlanXml(plan);
    // What was edited reads back; nothing else changed.
    const auto back = msproject::Reader::ReadBuffer(strSaved, path);
    for (const Edit& change : edit.colEdits) {
      EXPECT_EQ(TaskWithID(*back.front(), change.lngTaskID).GetField(change.fieldId),
                change.strValue);
    }
    nlohmann::json expected = PlanWithoutFile(plan);
    nlohmann::json actual = PlanWithoutFile(*back.front());
    // A field that got a value has its definition now, with the plan's alias if it had one.
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(TreeWithout(strSaved, colUIDs, colFields),
              TreeWithout(edit.strPlan, colUIDs, colFields));
    EXPECT_NE(strSaved.find(edit.strSavedHolds), std::string::npos);
    // The declaration and everything before the first change stays as it was.
    EXPECT_EQ(strSaved.substr(0, 40), edit.strPlan.substr(0, 40));

    // Saved, the plan has no changes; edited again, the next save starts from what was saved.
    msproject::PlanXmlSaved(plan, strSaved);
    EXPECT_TRUE(plan.Saved());
    EXPECT_TRUE(msproject::PlanXml(plan) == strSaved);
    TaskWithID(plan, edit.colEdits.front().lngTaskID).SetField(text21, "Zweite Fassung");
    const auto again = msproject::Reader::ReadBuffer(msproject::PlanXml(plan), path);
    EXPECT_EQ(TaskWithID(*again.front(), edit.colEdits.front().lngTaskID).GetField(text21),
              "Zweite Fassung");
    EXPECT_EQ(PlanWithoutFile(*again.front()), PlanWithoutFile(plan));
  }
}

TEST(PlanXml, EditsThatTheHostRefusesLeaveThePlanUnchanged) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "Teil.xml", plantext::Plan(plantext::Task(1, "Teilvorgang")));
  testsupport::WriteFile(dir / "Plan.xml", plantext::Plan(plantext::Task(1, "Vorgang") +
                                                          plantext::Inserted(2, "Teil.xml")));
  msproject::Application app;
  app.FileOpen(dir / "Plan.xml");
  Project& plan = app.ActiveProject();
  msproject::Task& task = TaskWithID(plan, 1);
  Project& inserted = plan.Subprojects().front().SourceProject();
  EXPECT_TRUE(inserted.Inserted());
  EXPECT_FALSE(plan.Inserted());

  const std::vector<std::pair<std::function<void()>, std::string>> colRefused{
      {[&] { TaskWithID(inserted, 1).SetField(TextFieldId(21), "A"); },
       "gehört zum eingefügten Projekt „Teil.xml“"},
      {[&] { task.SetField(msproject::pjTaskName, "A"); }, "kann nicht geändert werden"},
      {[&] { task.SetField(msproject::DurationFieldId(1), "A"); }, "kann nicht geändert werden"},
      {[&] { task.SetField(TextFieldId(21), std::string(256, 'x')); }, "länger als 255"},
      {[&] { task.SetField(TextFieldId(21), "A\x01"); }, "Steuerzeichen"},
      {[&] { task.SetField(TextFieldId(21), "A\xC3"); }, "kein Zeichen"},
  };
  for (const auto& [refused, strMessage] : colRefused) {
    SCOPED_TRACE(strMessage);
    try {
      refused();
      ADD_FAILURE() << "not refused";
    } catch (const msproject::Error& error) {
      EXPECT_NE(std::string(error.what()).find(strMessage), std::string::npos) << error.what();
    }
  }
  EXPECT_TRUE(plan.Saved());
  EXPECT_EQ(plan.Revision(), 0u);

  // 255 characters of two bytes each are a text field's whole length; the same value again
  // changes nothing.
  std::string strLongest;
  for (int i = 0; i < 255; ++i) strLongest += "ä";
  task.SetField(TextFieldId(21), strLongest);
  EXPECT_EQ(plan.Revision(), 1u);
  task.SetField(TextFieldId(21), strLongest);
  EXPECT_EQ(plan.Revision(), 1u);
  EXPECT_FALSE(plan.Saved());
  EXPECT_EQ(task.GetField(TextFieldId(21)), strLongest);
}

// Both ways of writing a plan put a value's text into the file alike: a carriage return kept as
// a reference, control characters that no XML file can hold dropped (a plan read from .mpp or
// .mpx may carry them), a character the file's encoding lacks as a reference.
TEST(PlanXml, ValuesAreWrittenAsTextThatEveryXmlReaderReads) {
  const msproject::PlanEncoding utf8;
  const msproject::PlanEncoding latin1{"ISO-8859-1", "ISO-8859-1", ""};
  const std::vector<std::tuple<std::string, msproject::PlanEncoding, std::string>> colCases{
      {"Müller & Söhne <GmbH>", utf8, "Müller &amp; Söhne &lt;GmbH&gt;"},
      {"Zeile 1\r\nZeile 2\tEnde", utf8, "Zeile 1&#13;\nZeile 2\tEnde"},
      {"A\x01\x0B\x1F"
       "B",
       utf8, "AB"},
      {"Jörg € 1 \xF0\x9F\x98\x80", latin1, "Jörg &#x20AC; 1 &#x1F600;"},
      {"€ \xF0\x9F\x98\x80", utf8, "€ \xF0\x9F\x98\x80"},
  };
  for (const auto& [strText, encoding, strExpected] : colCases) {
    SCOPED_TRACE(strText);
    EXPECT_EQ(msproject::mspdi::XmlText(strText, encoding), strExpected);
  }
}

}  // namespace
