// MPX files: the ones Microsoft Project 98 saved, and one as a German Project writes it, with
// its own delimiter, code page, date order and units.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "platform/msproject/Application.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/PlanJson.h"
#include "platform/msproject/Reader.h"
#include "support/TestSupport.h"

namespace {

using msproject::Application;
using msproject::Project;

Project& OpenMpx(Application& app, const std::string& name) {
  app.FileOpen(testsupport::FixturesDir() / "mpp" / name);
  return app.ActiveProject();
}

std::vector<std::string> Names(const Project& project) {
  std::vector<std::string> names;
  for (const msproject::Task* task : project.Tasks()) names.push_back(task ? task->Name() : "-");
  return names;
}

TEST(MpxFiles, Project98PlansReadAsItsXmlHasThem) {
  Application app;
  const Project& text = OpenMpx(app, "task-text-project98.mpx");
  ASSERT_EQ(text.Tasks().Count(), 30);
  const msproject::Task& first = *text.Tasks().Item(1);
  EXPECT_EQ(first.Name(), "Text1");
  EXPECT_EQ(first.GetField(msproject::TextFieldId(1)), "1");
  EXPECT_EQ(text.Tasks().Item(10)->GetField(msproject::TextFieldId(10)), "10");
  EXPECT_EQ(first.GetField(msproject::pjTaskStart), "Mo 10.11.14");
  EXPECT_EQ(first.GetField(msproject::pjTaskDuration), "1 Tag");
  EXPECT_EQ(first.OutlineLevel(), 1);
  EXPECT_EQ(text.MinutesPerDay(), 480);
  // The title MS Project took from the file's name is no title of the plan.
  EXPECT_EQ(text.Title(), "");

  const Project& links = OpenMpx(app, "task-links-project98.mpx");
  const msproject::Task& second = *links.Tasks().Item(2);
  ASSERT_EQ(second.PredecessorTasks().Count(), 1);
  EXPECT_EQ(second.PredecessorTasks().Item(1), links.Tasks().Item(1));
  // "3FS+1d", "11SF+2d": every kind of link, the lag dropped.
  EXPECT_EQ(links.Tasks().Item(12)->PredecessorTasks().Item(1), links.Tasks().Item(11));
  EXPECT_EQ(links.Tasks().Item(11)->SuccessorTasks().Count(), 1);

  const Project& resources = OpenMpx(app, "resource-misc-project98.mpx");
  ASSERT_EQ(resources.Resources().Count(), 2);
  EXPECT_EQ(resources.Resources().Item(1)->Name(), "Resource 1");
  EXPECT_EQ(resources.Resources().Item(1)->Group(), "Group1");
}

// A plan as a German Microsoft Project writes it: ";" between fields, code page 850, dates
// day first with dots, units in German, "Ja"/"Nein", "NV" for a missing date.
std::string GermanMpx(const std::string& strTasks) {
  return "MPX;Microsoft Project für Windows;4,0;850\r\n"
         "10;DM;1;2;.;,\r\n"
         "11;2;0;1;7,50;37,50;0,00 DM/h;0,00 DM/h;1;1\r\n"
         "12;1;1;480;.;:;;;9;9\r\n"
         "30;Einf\x81hrung;Firma;;Standard;Mo 05.03.18;Fr 30.03.18;0\r\n"
         "41;40;49;1;3\r\n"
         "50;1;1;M\x81ller;Vertrieb\r\n"
         "50;3;3;Schmidt;\r\n"
         "61;90;98;1;2;3;40;50;51;81;70;4;5\r\n" +
         strTasks;
}

TEST(MpxFiles, GermanSettingsCodePageAndUnits) {
  const std::string strPlan = GermanMpx(
      "70;0;0;Einf\x81hrung;0;0;3t\r\n"
      "70;1;1;\"Planung; Start\";1;1;2,5t;Mo 05.03.18;Mi 07.03.18 12:00;Nein;;A;B\r\n"
      "70;2;7;Abnahme;1.1;2;0t;NV;NV;Ja;\"1EA+2t;3\"\r\n"
      "70;3;4;Feier;1.2;2;3ft?;Mo 26.03.18 17:30;Do 29.03.18;Nein\r\n");
  const auto projects = msproject::Reader::ReadBuffer(strPlan, "/nirgends/Plan.mpx");
  const Project& plan = *projects.front();
  EXPECT_EQ(plan.Title(), "Einführung");
  EXPECT_EQ(plan.MinutesPerDay(), 450);
  ASSERT_EQ(Names(plan), (std::vector<std::string>{"Planung; Start", "Abnahme", "Feier"}));
  const msproject::Task& first = *plan.Tasks().Item(1);
  EXPECT_EQ(first.GetField(msproject::pjTaskDuration), "2,5 Tage");
  EXPECT_EQ(first.Duration(), 1125);
  EXPECT_EQ(first.GetField(msproject::TextFieldId(1)), "A");
  EXPECT_EQ(first.GetField(msproject::TextFieldId(2)), "B");
  EXPECT_EQ(first.GetField(msproject::pjTaskStart), "Mo 05.03.18");
  EXPECT_EQ(first.GetField(msproject::pjTaskFinish), "Mi 07.03.18");
  const msproject::Task& second = *plan.Tasks().Item(2);
  EXPECT_TRUE(second.Milestone());
  EXPECT_EQ(second.UniqueID(), 7);
  EXPECT_EQ(second.GetField(msproject::pjTaskStart), "");
  // Predecessors by their row numbers: 1 and 3.
  ASSERT_EQ(second.PredecessorTasks().Count(), 2);
  EXPECT_EQ(second.PredecessorTasks().Item(1), &first);
  EXPECT_EQ(second.PredecessorTasks().Item(2), plan.Tasks().Item(3));
  EXPECT_EQ(plan.Tasks().Item(3)->GetField(msproject::pjTaskDuration), "3 fTage?");
  // The resource table with its blank row 2.
  ASSERT_EQ(plan.Resources().Count(), 3);
  EXPECT_EQ(plan.Resources().Item(1)->Name(), "Müller");
  EXPECT_EQ(plan.Resources().Item(1)->Group(), "Vertrieb");
  EXPECT_EQ(plan.Resources().Item(2), nullptr);
  EXPECT_EQ(plan.Resources().Item(3)->Name(), "Schmidt");
}

TEST(MpxFiles, FaultsNameTheLine) {
  struct Case {
    std::string strFile;
    std::string strMessage;
  };
  const std::string strPrefix = "Die Projektdatei „Plan.mpx“ konnte nicht gelesen werden: ";
  for (const Case& c : {
           Case{GermanMpx("70;1;1;A;1;1;f\x81nf Tage\r\n"),
                "Zeile 10: „fünf Tage“ im Feld „Dauer“ ist keine gültige Dauer."},
           Case{GermanMpx("70;1;1;A;1;1;1t;31.02.18\r\n"),
                "Zeile 10: „31.02.18“ im Feld „Anfang“ ist kein gültiges Datum."},
           Case{GermanMpx("70;1;1;A;1;1;1t;;;vielleicht\r\n"),
                "Zeile 10: „vielleicht“ im Feld „Meilenstein“ ist weder „Yes“ noch „No“."},
           Case{GermanMpx("70;x;1;A\r\n"), "Zeile 10: „x“ im Feld „Nr.“ ist keine gültige Zahl."},
           Case{GermanMpx("70;2;2;A;1;1;1t;;;Nein;\"1EA;zwei\"\r\n"),
                "Zeile 10: „zwei“ im Feld „Vorgänger“ nennt keinen Vorgang."},
           Case{"MPX,Microsoft Project for Windows,4.0,ANSI\r\n70,1,1,A\r\n",
                "Zeile 2: Vor dem ersten Vorgang fehlt die Liste seiner Felder (Satz 61)."},
           Case{"MPX,Microsoft Project for Windows,4.0,EBCDIC\r\n",
                "Zeile 1: Die Zeichenkodierung „EBCDIC“ der MPX-Datei wird nicht unterstützt."},
       }) {
    try {
      msproject::Reader::ReadBuffer(c.strFile, "/nirgends/Plan.mpx");
      ADD_FAILURE() << "read: " << c.strMessage;
    } catch (const msproject::Error& e) {
      EXPECT_EQ(std::string(e.what()), strPrefix + c.strMessage);
    }
  }
}

TEST(PlanFormats, TheContentNotTheNameDecides) {
  testsupport::TempDir dir;
  // An MPX file named .xml and an XML plan named .mpp.
  testsupport::WriteFile(dir / "Mpx.xml", GermanMpx("70;1;1;Aus MPX\r\n"));
  testsupport::WriteFile(
      dir / "Xml.mpp",
      "<?xml version=\"1.0\"?>\n<Project xmlns=\"http://schemas.microsoft.com/project\">"
      "<Tasks><Task><UID>1</UID><ID>1</ID><Name>Aus XML</Name></Task></Tasks></Project>\n");
  Application app;
  app.FileOpen(dir / "Mpx.xml");
  EXPECT_EQ(app.ActiveProject().Tasks().Item(1)->Name(), "Aus MPX");
  app.FileOpen(dir / "Xml.mpp");
  EXPECT_EQ(app.ActiveProject().Tasks().Item(1)->Name(), "Aus XML");
}

// A year with four digits is taken as it stands, centuries away too; what was read is
// dumped as it stands (found by the fuzz target of MPX text).
TEST(MpxFiles, DatesCenturiesAwayAreDumpedAsTheyStand) {
  const auto projects = msproject::Reader::ReadBuffer(
      GermanMpx("70;1;1;Alt;1;1;1t;Mo 10.11.1400;Di 11.11.2400 17:00\r\n"), "/nirgends/Plan.mpx");
  const nlohmann::json dump = nlohmann::json::parse(msproject::PlanJson(*projects.front()));
  EXPECT_EQ(dump["tasks"][0]["start"], "1400-11-10T08:00:00");
  EXPECT_EQ(dump["tasks"][0]["finish"], "2400-11-11T17:00:00");
}

}  // namespace
