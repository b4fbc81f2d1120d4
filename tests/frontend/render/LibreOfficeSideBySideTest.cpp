// The example chart printed by us and by LibreOffice from the same workbook, both pages
// rasterised by pdftoppm and put side by side under the build folder's artefacts/render, to be
// looked at; LibreOffice's print is the reference for the page set-up the workbook carries.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <regex>

#include "frontend/render/RenderTesting.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"

namespace {

std::string PdfInfo(const std::filesystem::path& pdf) {
  const auto info = testsupport::RunCommand("pdfinfo " + testsupport::ShellQuote(pdf.string()));
  EXPECT_EQ(info.intExitCode, 0) << info.strStderr;
  return info.strStdout;
}

QImage Rasterised(const std::filesystem::path& pdf, const std::filesystem::path& dir) {
  const auto prefix = dir / pdf.stem();
  const auto result = testsupport::RunCommand("pdftoppm -r 100 -png -singlefile " +
                                              testsupport::ShellQuote(pdf.string()) + " " +
                                              testsupport::ShellQuote(prefix.string()));
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  return QImage(QString::fromStdString(prefix.string() + ".png"));
}

TEST(LibreOfficeSideBySideTest, BothPrintTheChartOnOneA4LandscapePage) {
  rendertest::StartPainter();
  testsupport::TempDir dir;
  rendertest::OpenChart chart(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml",
                              dir / "Markteinfuehrung.xlsx");
  const auto ours = dir / "Quorvan.pdf";
  chart.Book().ExportAsFixedFormat(excel::xlTypePDF, ours.string());
  std::filesystem::create_directories(dir / "lo");
  const auto converted = testsupport::ConvertWithLibreOffice({dir / "Markteinfuehrung.xlsx"}, "pdf",
                                                             dir / "lo", dir / "profile");
  ASSERT_EQ(converted.intExitCode, 0) << converted.strStderr;
  const auto theirs = dir / "lo" / "Markteinfuehrung.pdf";
  ASSERT_TRUE(std::filesystem::exists(theirs)) << converted.strStdout << converted.strStderr;

  const std::regex onePage(R"(Pages:\s+1\n)"), a4Landscape(R"(Page size:\s+84[12](\.\d+)? x 595)");
  for (const auto& pdf : {ours, theirs}) {
    const std::string strInfo = PdfInfo(pdf);
    EXPECT_TRUE(std::regex_search(strInfo, onePage)) << pdf << "\n" << strInfo;
    EXPECT_TRUE(std::regex_search(strInfo, a4Landscape)) << pdf << "\n" << strInfo;
  }

  const QImage left = Rasterised(ours, dir.Path()), right = Rasterised(theirs, dir.Path());
  ASSERT_FALSE(left.isNull());
  ASSERT_FALSE(right.isNull());
  QImage both(left.width() + right.width() + 20, std::max(left.height(), right.height()),
              QImage::Format_RGB32);
  both.fill(Qt::darkGray);
  {
    QPainter painter(&both);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width() + 20, 0, right);
  }
  const auto artefacts = rendertest::ArtefactsDir();
  std::filesystem::copy_file(ours, artefacts / "Markteinfuehrung-Quorvan.pdf",
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::copy_file(theirs, artefacts / "Markteinfuehrung-LibreOffice.pdf",
                             std::filesystem::copy_options::overwrite_existing);
  const auto artefact = artefacts / "Markteinfuehrung-Quorvan-LibreOffice.png";
  EXPECT_TRUE(both.save(QString::fromStdString(artefact.string()), "PNG"));
}

}  // namespace
