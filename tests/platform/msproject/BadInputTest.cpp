// Plans that cannot be read: each gives the German message naming the file and, where known,
// the line; none leaves a partial project behind.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "PlanText.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/Reader.h"
#include "support/TestSupport.h"

namespace {

using msproject::Application;
using plantext::Plan;
using plantext::Task;

constexpr const char* kPrefix = "Die Projektdatei „Plan.xml“ konnte nicht gelesen werden: ";

// The message of opening a plan with this content, or "" when it opened.
std::string OpenMessage(const std::string& strContent) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "Plan.xml", strContent);
  Application app;
  try {
    app.FileOpen(dir / "Plan.xml");
  } catch (const msproject::Error& e) {
    EXPECT_THROW(app.ActiveProject(), msproject::Error);
    return e.what();
  }
  return "";
}

TEST(BadPlanFiles, MissingEmptyOrNoFile) {
  testsupport::TempDir dir;
  Application app;
  try {
    app.FileOpen(dir / "Plan.xml");
    ADD_FAILURE() << "a missing file opened";
  } catch (const msproject::Error& e) {
    EXPECT_EQ(std::string(e.what()), std::string(kPrefix) + "Die Datei wurde nicht gefunden.");
  }
  std::filesystem::create_directory(dir / "Ordner.xml");
  try {
    app.FileOpen(dir / "Ordner.xml");
    ADD_FAILURE() << "a folder opened";
  } catch (const msproject::Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Die Projektdatei „Ordner.xml“ konnte nicht gelesen werden: Das ist keine Datei.");
  }
  EXPECT_EQ(OpenMessage(""), std::string(kPrefix) + "Die Datei ist leer.");
  EXPECT_EQ(OpenMessage(" \n\n"), std::string(kPrefix) + "Die Datei ist leer.");
}

TEST(BadPlanFiles, UnreadableFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "Plan.xml", Plan(Task(1, "A")));
  std::filesystem::permissions(dir / "Plan.xml", std::filesystem::perms::none);
  Application app;
  try {
    app.FileOpen(dir / "Plan.xml");
    ADD_FAILURE() << "an unreadable file opened";
  } catch (const msproject::Error& e) {
    EXPECT_EQ(std::string(e.what()), std::string(kPrefix) + "Die Datei lässt sich nicht öffnen.");
  }
}

TEST(BadPlanFiles, NotXmlNamesTheLine) {
  EXPECT_EQ(OpenMessage("Name;Dauer\nA;5 Tage\n"),
            std::string(kPrefix) + "Die Datei ist kein XML-Dokument.");
  const std::string strBroken =
      "<?xml version=\"1.0\"?>\n<Project xmlns=\"http://schemas.microsoft.com/project\">\n"
      "<Tasks>\n<Task><ID>1</Task>\n</Tasks>\n</Project>\n";
  EXPECT_EQ(OpenMessage(strBroken),
            std::string(kPrefix) +
                "Zeile 4: Die Datei ist kein gültiges XML: das End-Tag passt nicht zum Start-Tag.");
  // A plan cut off, as by a full disk: anywhere in it, it is said to end too early.
  const std::string strPlan = Plan(Task(1, "A") + Task(2, "B"));
  for (const std::size_t cut : {strPlan.size() / 3, strPlan.size() / 2, strPlan.size() - 12}) {
    const std::string strMessage = OpenMessage(strPlan.substr(0, cut));
    EXPECT_TRUE(
        strMessage.ends_with("Die Datei endet vorzeitig; sie ist unvollständig (abgeschnitten)."))
        << strMessage;
  }
}

TEST(BadPlanFiles, XmlThatIsNoPlan) {
  const std::string strExpected =
      std::string(kPrefix) +
      "Zeile 2: Die Datei ist kein Projektplan im Format Microsoft Project XML.";
  // A build project of another tool, and a plan root without the plan namespace.
  EXPECT_EQ(
      OpenMessage("<?xml version=\"1.0\"?>\n<Project Sdk=\"Microsoft.NET.Sdk\">\n</Project>\n"),
      strExpected);
  EXPECT_EQ(OpenMessage("<?xml version=\"1.0\"?>\n<Plan "
                        "xmlns=\"http://schemas.microsoft.com/project\">\n</Plan>\n"),
            strExpected);
}

TEST(BadPlanFiles, ValuesThatDoNotParseNameLineAndElement) {
  // Plan(): line 1 declaration, 2 Project, 3 Tasks, 4 the summary task, 5 the first task.
  EXPECT_EQ(
      OpenMessage(Plan(Task(1, "A", "<OutlineLevel>zwei</OutlineLevel>"))),
      std::string(kPrefix) + "Zeile 5: „zwei“ im Element „OutlineLevel“ ist keine gültige Zahl.");
  EXPECT_EQ(OpenMessage(Plan(Task(1, "A") + Task(2, "B", "<Start>2018-02-30T08:00:00</Start>"))),
            std::string(kPrefix) +
                "Zeile 6: „2018-02-30T08:00:00“ im Element „Start“ ist kein gültiges Datum.");
  EXPECT_EQ(
      OpenMessage(Plan(Task(1, "A", "<Duration>5 Tage</Duration>"))),
      std::string(kPrefix) + "Zeile 5: „5 Tage“ im Element „Duration“ ist keine gültige Dauer.");
  EXPECT_EQ(OpenMessage(Plan(Task(1, "A", "<Summary>ja</Summary>"))),
            std::string(kPrefix) +
                "Zeile 5: „ja“ im Element „Summary“ ist kein gültiger Wahrheitswert (0 oder 1).");
  EXPECT_EQ(
      OpenMessage(Plan("<Task><UID>1</UID>\n<ID>99999999999</ID></Task>\n")),
      std::string(kPrefix) + "Zeile 6: „99999999999“ im Element „ID“ ist keine gültige Zahl.");
  EXPECT_EQ(OpenMessage(Plan("<Task><UID>7</UID><Name>ohne Nummer</Name></Task>\n")),
            std::string(kPrefix) + "Zeile 5: Beim Vorgang fehlt das Element „ID“.");
  EXPECT_EQ(OpenMessage(Plan("", "<Resource><UID>1</UID><ID>-1</ID></Resource>\n")),
            std::string(kPrefix) + "Zeile 7: „-1“ im Element „ID“ ist keine gültige Zahl.");
  // Values in the plan's header and in custom fields count as well.
  EXPECT_EQ(
      OpenMessage(Plan(Task(1, "A"), "", "<MinutesPerDay>acht</MinutesPerDay>\n")),
      std::string(kPrefix) + "Zeile 3: „acht“ im Element „MinutesPerDay“ ist keine gültige Zahl.");
  EXPECT_NE(OpenMessage(Plan(Task(1, "A",
                                  "<ExtendedAttribute><FieldID>Text1</FieldID><Value>x</Value>"
                                  "</ExtendedAttribute>")))
                .find("„Text1“ im Element „FieldID“"),
            std::string::npos);
}

TEST(BadPlanFiles, LongOrStrangeValuesAreShortenedInTheMessage) {
  const std::string strLong(300, 'x');
  const std::string strMessage = OpenMessage(Plan(Task(1, "A", "<ID>" + strLong + "</ID>")));
  EXPECT_NE(strMessage.find("„" + std::string(40, 'x') + "…“"), std::string::npos);
  EXPECT_LT(strMessage.size(), 200u);
  // Cut before a character of two bytes, never inside it.
  const std::string strUmlauts = std::string(39, 'x') + "ääää";
  const std::string strShort = OpenMessage(Plan(Task(1, "A", "<ID>" + strUmlauts + "</ID>")));
  EXPECT_NE(strShort.find("„" + std::string(39, 'x') + "…“"), std::string::npos);
}

TEST(BadPlanFiles, FailedOpenLeavesTheActiveProject) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "Gut.xml", Plan(Task(1, "Gut")));
  testsupport::WriteFile(dir / "Plan.xml", Plan(Task(1, "A") + Task(2, "B", "<ID>x</ID>")));
  Application app;
  app.FileOpen(dir / "Gut.xml");
  msproject::Project& before = app.ActiveProject();
  EXPECT_THROW(app.FileOpen(dir / "Plan.xml"), msproject::Error);
  EXPECT_EQ(&app.ActiveProject(), &before);
  EXPECT_EQ(app.ActiveProject().Tasks().Item(1)->Name(), "Gut");
}

TEST(BadPlanFiles, NoDocumentTypeDefinitionsNoExternalEntities) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "geheim.txt", "GEHEIM");
  const std::string strHeader =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE Project [\n"
      "<!ENTITY geheim SYSTEM \"file://" +
      (dir / "geheim.txt").string() +
      "\">\n"
      "<!ENTITY a \"aaaaaaaaaa\">\n<!ENTITY b \"&a;&a;&a;&a;&a;&a;\">\n"
      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;\">\n]>\n";
  std::string strPlan = Plan(Task(1, "&geheim;") + Task(2, "&c;") + Task(3, "A &amp; B &#228;"));
  strPlan.replace(0, strPlan.find('\n') + 1, strHeader);
  testsupport::WriteFile(dir / "Plan.xml", strPlan);
  Application app;
  app.FileOpen(dir / "Plan.xml");
  const msproject::Tasks& tasks = app.ActiveProject().Tasks();
  EXPECT_EQ(tasks.Item(1)->Name(), "&geheim;");
  EXPECT_EQ(tasks.Item(2)->Name(), "&c;");
  EXPECT_EQ(tasks.Item(3)->Name(), "A & B ä");
}

TEST(BadPlanFiles, OtherEncodingsAreReadAsText) {
  testsupport::TempDir dir;
  std::string strPlan = Plan(Task(1,
                                  "Pr\xFC"
                                  "fung"));
  strPlan.replace(0, strPlan.find('\n'), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
  testsupport::WriteFile(dir / "Plan.xml", strPlan);
  Application app;
  app.FileOpen(dir / "Plan.xml");
  EXPECT_EQ(app.ActiveProject().Tasks().Item(1)->Name(), "Prüfung");
}

// The plan with its declaration naming the encoding, the rest of its text as given.
std::string Declared(const std::string& strEncoding, const std::string& strPlan) {
  return "<?xml version=\"1.0\" encoding=\"" + strEncoding + "\"?>" +
         strPlan.substr(strPlan.find('\n'));
}

// UTF-16 of a text of ASCII and Latin-1 characters (as its bytes say in strLatin1).
std::string Utf16(const std::string& strLatin1, bool blnBigEndian) {
  std::string strText;
  for (const char c : strLatin1) {
    strText += blnBigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return strText;
}

TEST(PlanEncodings, EachDeclaredOrMarkedEncodingIsRead) {
  const std::string strLatin1 = Plan(Task(1, "M\xFCller"));
  const std::string strUtf8 = Plan(Task(1, "Müller „Start“ 5 €"));
  const std::string strCp1252 = Plan(Task(1, "M\xFCller \x84Start\x93 5 \x80"));
  struct Case {
    std::string strFile;
    std::string strName;
  };
  for (const Case& c : {
           Case{strUtf8, "Müller „Start“ 5 €"},
           Case{"\xEF\xBB\xBF" + strUtf8, "Müller „Start“ 5 €"},
           Case{Declared("windows-1252", strCp1252), "Müller „Start“ 5 €"},
           Case{Declared("CP1252", strCp1252), "Müller „Start“ 5 €"},
           Case{Declared("iso-8859-1", strLatin1), "Müller"},
           Case{Declared("Latin1", strLatin1), "Müller"},
           Case{"\xFF\xFE" + Utf16(Declared("UTF-16", strLatin1), false), "Müller"},
           Case{"\xFE\xFF" + Utf16(Declared("UTF-16", strLatin1), true), "Müller"},
           Case{Utf16(Declared("UTF-16", strLatin1), false), "Müller"},
       }) {
    EXPECT_EQ(OpenMessage(c.strFile), "") << c.strName;
    const auto projects = msproject::Reader::ReadBuffer(c.strFile, "/nirgends/Plan.xml");
    EXPECT_EQ(projects.front()->Tasks().Item(1)->Name(), c.strName);
  }
}

TEST(PlanEncodings, AnUnknownEncodingOrBytesThatAreNoTextInItAreRefused) {
  EXPECT_EQ(OpenMessage(Declared("KOI8-R", Plan(Task(1, "A")))),
            std::string(kPrefix) +
                "Die Zeichenkodierung „KOI8-R“ wird nicht unterstützt; lesbar sind UTF-8, UTF-16, "
                "ISO-8859-1 und windows-1252.");
  // 0x81 is no character of windows-1252; the line is that of the byte.
  EXPECT_EQ(OpenMessage(Declared("windows-1252", Plan(Task(1, "A") + Task(2, "B\x81")))),
            std::string(kPrefix) +
                "Zeile 6: Die Datei enthält Bytes, die in der Zeichenkodierung „windows-1252“ kein "
                "Zeichen sind.");
  // The line of an XML fault is named in a plan of UTF-16 as well.
  const std::string strBroken = Declared("UTF-16", Plan(Task(1, "A") + "<Task>\n</Tasks>\n"));
  EXPECT_EQ(OpenMessage("\xFF\xFE" + Utf16(strBroken, false)),
            std::string(kPrefix) +
                "Zeile 7: Die Datei ist kein gültiges XML: das End-Tag passt nicht zum Start-Tag.");
}

TEST(PlanEncodings, BytesThatAreNoUtf8AreRefusedWithLineAndColumn) {
  // Plan(): line 5 is the first task, "<Task><UID>1</UID><ID>1</ID><Name>" 34 characters.
  struct Case {
    std::string strName;
    std::string strPlace;
  };
  for (const Case& c : {
           // The Latin-1 byte of "ü" in a plan declared UTF-8.
           Case{"M\xFCller", "Zeile 5, Spalte 36"},
           // Characters of two bytes before it count once.
           Case{"Ma\xC3\x9F \xFC", "Zeile 5, Spalte 39"},
           // Half of a UTF-16 surrogate pair written out as UTF-8 (ED A0 80).
           Case{"A\xED\xA0\x80", "Zeile 5, Spalte 36"},
           // An overlong form of "/" and a sequence cut off at the end of a line.
           Case{"\xC0\xAF", "Zeile 5, Spalte 35"},
           Case{"A\xE2\x82", "Zeile 5, Spalte 36"},
       }) {
    EXPECT_EQ(OpenMessage(Plan(Task(1, c.strName))),
              std::string(kPrefix) + c.strPlace +
                  ": Die Datei enthält Bytes, die in der Zeichenkodierung „UTF-8“ kein Zeichen "
                  "sind.")
        << c.strPlace;
  }
  // Valid UTF-8 of every length still reads.
  EXPECT_EQ(OpenMessage(Plan(Task(1, "ä € 𝄞"))), "");
}

TEST(PlanEncodings, ReferencesToHalfASurrogatePairAreRefusedWithTheLine) {
  for (const std::string strReference : {"&#xD800;", "&#xdfff;", "&#55296;"}) {
    EXPECT_EQ(OpenMessage(Plan(Task(1, "A") + Task(2, "B" + strReference + "C"))),
              std::string(kPrefix) +
                  "Zeile 6: Im Element „Name“ steht ein Zeichenverweis auf eine halbe "
                  "UTF-16-Ersatzfolge (U+D800 … U+DFFF); das ist kein Zeichen.")
        << strReference;
  }
  // A whole pair's character by its own number is a character.
  const auto projects =
      msproject::Reader::ReadBuffer(Plan(Task(1, "&#x1D11E;")), "/nirgends/Plan.xml");
  EXPECT_EQ(projects.front()->Tasks().Item(1)->Name(), "𝄞");
}

// The bytes this process has read from files so far.
std::int64_t BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string strKey;
  std::int64_t lngValue = 0;
  while (io >> strKey >> lngValue) {
    if (strKey == "rchar:") return lngValue;
  }
  return -1;
}

TEST(BadPlanFiles, AFaultyPlanIsReadOnceToNameTheLine) {
  // A large plan with a fault at its end: the line is counted in what was read, not by
  // reading the file a second time.
  std::string strTasks;
  for (int i = 1; i <= 20000; ++i) strTasks += Task(i, "Vorgang " + std::to_string(i));
  const std::string strPlan = Plan(strTasks + "<Task>\n</Tasks>\n");
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "Plan.xml", strPlan);
  Application app;
  const std::int64_t lngBefore = BytesRead();
  try {
    app.FileOpen(dir / "Plan.xml");
    ADD_FAILURE() << "a bad plan was read";
  } catch (const msproject::Error& e) {
    EXPECT_EQ(std::string(e.what()),
              std::string(kPrefix) +
                  "Zeile 20006: Die Datei ist kein gültiges XML: das End-Tag passt nicht zum "
                  "Start-Tag.");
  }
  EXPECT_LT(BytesRead() - lngBefore, static_cast<std::int64_t>(strPlan.size() * 3 / 2));
}

TEST(BadPlanFiles, PlansReadFromMemoryNameTheLineAsWell) {
  // CRLF line ends and an escape before the fault: parsing changes the buffer, not the count.
  // Built anew rather than by insert: g++ 12 at -O3 raises a false -Wrestrict on the insert.
  std::string strPlan;
  for (const char c : Plan(Task(1, "A &amp; B") + Task(2, "C", "<Start>gestern</Start>"))) {
    if (c == '\n') strPlan += '\r';
    strPlan += c;
  }
  try {
    msproject::Reader::ReadBuffer(strPlan, "/nirgends/Speicher.xml");
    ADD_FAILURE() << "a bad plan was read";
  } catch (const msproject::Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Die Projektdatei „Speicher.xml“ konnte nicht gelesen werden: Zeile 6: „gestern“ im "
              "Element „Start“ ist kein gültiges Datum.");
  }
  const auto projects = msproject::Reader::ReadBuffer(Plan(Task(1, "A")), "/nirgends/Speicher.xml");
  ASSERT_EQ(projects.size(), 1u);
  EXPECT_EQ(projects.front()->Name(), "Speicher.xml");
  EXPECT_EQ(projects.front()->Path(), "/nirgends");
}

TEST(BadPlanFiles, ActiveProjectWithoutPlanThrows) {
  const Application app;
  EXPECT_THROW(app.ActiveProject(), msproject::Error);
}

}  // namespace
