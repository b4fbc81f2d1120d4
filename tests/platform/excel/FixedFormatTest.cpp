// Printing to PDF and picturing a sheet through an installed page painter: what the painter is
// given, the refusals before anything is written, and the atomic replacement of the target.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/print/PagePainter.h"
#include "support/ScriptedBackend.h"
#include "support/TestSupport.h"

namespace excel {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

// Writes what it was asked to paint into the file, or fails as told.
class RecordingPainter : public PagePainter {
 public:
  RecordingPainter() { SetPagePainter(this); }
  ~RecordingPainter() override { SetPagePainter(nullptr); }

  std::string WritePdf(const std::vector<PageDocument>& documents, const fs::path& file) override {
    std::size_t lngPages = 0;
    for (const auto& document : documents) lngPages += document.pages.size();
    return Write(file, "pdf " + std::to_string(lngPages) + " " + documents.front().strTitle);
  }
  std::string WriteSvg(const PageDocument&, std::size_t lngPage, const fs::path& file) override {
    return Write(file, "svg " + std::to_string(lngPage));
  }
  std::string WritePng(const PageDocument&, std::size_t lngPage, std::int32_t lngDpi,
                       const fs::path& file) override {
    return Write(file, "png " + std::to_string(lngPage) + " " + std::to_string(lngDpi));
  }

  std::string strFailure;

 private:
  std::string Write(const fs::path& file, const std::string& strContent) {
    WriteFile(file, "halb");
    if (!strFailure.empty()) return strFailure;
    WriteFile(file, strContent);
    return "";
  }
};

class FixedFormatTest : public ::testing::Test {
 protected:
  FixedFormatTest() {
    app_.SheetsInNewWorkbook(1);
    book_ = &app_.Workbooks().Add();
    Worksheet& sheet = book_->Worksheets(1);
    // Three pages at 100 %: 100 rows of 20 points.
    sheet.Range("A1:A100").RowHeight(20);
    sheet.Range("A1:A100").Value("x");
    sheet.PageSetup().Zoom(100);
  }
  std::vector<std::string> Listing() const {
    std::vector<std::string> colNames;
    for (const auto& entry : fs::directory_iterator(dir_.Path()))
      colNames.push_back(entry.path().filename().string());
    std::sort(colNames.begin(), colNames.end());
    return colNames;
  }

  TempDir dir_;
  Application app_;
  Workbook* book_ = nullptr;
};

TEST_F(FixedFormatTest, ThePainterGetsThePagesAskedForAndTheFileIsRenamedIntoPlace) {
  RecordingPainter painter;
  shell::ScriptedBackend desktop;
  shell::Backend* previous = shell::SetBackend(&desktop);
  book_->ExportAsFixedFormat(xlTypePDF, (dir_ / "Alle").string(), xlQualityMinimum, true, false, 0,
                             0, true);
  shell::SetBackend(previous);
  EXPECT_EQ(ReadFile(dir_ / "Alle.pdf"), "pdf 3 Mappe1");
  // Opened after publishing, with the desktop's viewer.
  ASSERT_EQ(desktop.Links().size(), 1u);
  EXPECT_EQ(desktop.Links()[0].strOperation, "open");
  EXPECT_EQ(desktop.Links()[0].strFile, (dir_ / "Alle.pdf").string());
  book_->ExportAsFixedFormat(xlTypePDF, (dir_ / "Teil.pdf").string(), xlQualityStandard, false,
                             false, 2, 3);
  EXPECT_EQ(ReadFile(dir_ / "Teil.pdf"), "pdf 2 ");
  book_->Worksheets(1).ExportPicture((dir_ / "Bild.PNG").string(), 96);
  EXPECT_EQ(ReadFile(dir_ / "Bild.PNG"), "png 0 96");
  book_->Worksheets(1).ExportPicture((dir_ / "Bild.svg").string());
  EXPECT_EQ(ReadFile(dir_ / "Bild.svg"), "svg 0");
  EXPECT_EQ(Listing(), (std::vector<std::string>{"Alle.pdf", "Bild.PNG", "Bild.svg", "Teil.pdf"}));
  EXPECT_EQ(book_->FullName(), "Mappe1");
}

TEST_F(FixedFormatTest, RefusalsLeaveTheTargetAsItWas) {
  WriteFile(dir_ / "Alt.pdf", "alt");
  struct Case {
    const char* strWhat;
    bool blnPainter;
    std::string strFailure;  // of the painter
    std::function<void()> call;
    std::string strMessage;
  };
  const std::string strOld = (dir_ / "Alt.pdf").string();
  const std::vector<Case> colCases{
      {"no painter", false, "", [&] { book_->ExportAsFixedFormat(xlTypePDF, strOld); },
       "keine Zeichenausgabe eingerichtet"},
      {"XPS", true, "", [&] { book_->ExportAsFixedFormat(xlTypeXPS, strOld); },
       "XPS wird nicht unterstützt"},
      {"pages beyond the last", true, "",
       [&] { book_->ExportAsFixedFormat(xlTypePDF, strOld, 0, true, false, 4, 5); },
       "nur 3 Seiten"},
      {"missing folder", true, "",
       [&] { book_->ExportAsFixedFormat(xlTypePDF, (dir_ / "fehlt" / "x.pdf").string()); },
       "existiert nicht"},
      {"wrong picture format", true, "",
       [&] { book_->Worksheets(1).ExportPicture((dir_ / "Alt.jpg").string()); },
       "„.jpg“ wird nicht unterstützt"},
      {"resolution", true, "",
       [&] { book_->Worksheets(1).ExportPicture((dir_ / "Alt.png").string(), 5); },
       "Auflösung 5 dpi"},
      {"the painter fails", true, "Die Platte ist voll.",
       [&] { book_->ExportAsFixedFormat(xlTypePDF, strOld); }, "Die Platte ist voll."},
  };
  for (const Case& c : colCases) {
    std::optional<RecordingPainter> painter;
    if (c.blnPainter) painter.emplace().strFailure = c.strFailure;
    try {
      c.call();
      ADD_FAILURE() << c.strWhat << ": not refused";
    } catch (const Error& error) {
      EXPECT_NE(error.Description().find(c.strMessage), std::string::npos)
          << c.strWhat << ": " << error.Description();
    }
    EXPECT_EQ(ReadFile(dir_ / "Alt.pdf"), "alt") << c.strWhat;
    EXPECT_EQ(Listing(), std::vector<std::string>{"Alt.pdf"}) << c.strWhat;
  }
}

TEST_F(FixedFormatTest, ATargetThatAnotherProgramHoldsOpenIsRefused) {
  RecordingPainter painter;
  WriteFile(dir_ / "Offen.pdf", "alt");
  WriteFile(dir_ / ".~lock.Offen.pdf#", "");
  try {
    book_->ExportAsFixedFormat(xlTypePDF, (dir_ / "Offen.pdf").string());
    ADD_FAILURE() << "not refused";
  } catch (const Error& error) {
    EXPECT_NE(error.Description().find("in einem anderen Programm geöffnet"), std::string::npos);
  }
  EXPECT_EQ(ReadFile(dir_ / "Offen.pdf"), "alt");
}

}  // namespace
}  // namespace excel
