// The chart printed to PDF and pictured as SVG and PNG, checked with real readers: poppler's
// pdfinfo and pdftotext, an XML parser for the SVG drawing, the PNG's pixels.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <functional>
#include <pugixml.hpp>
#include <regex>

#include "frontend/render/RenderTesting.h"
#include "platform/excel/Error.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/print/PageLayout.h"
#include "platform/msproject/Project.h"
#include "render/QtPagePainter.h"
#include "support/TestSupport.h"

namespace {

using rendertest::OnPaper;
using rendertest::OpenChart;

constexpr double kTolerance = 0.5;  // points

// Text without any white space, so that lines broken differently still compare.
std::string Squeezed(const std::string& strText) {
  std::string strOut;
  for (char ch : strText) {
    if (!std::isspace(static_cast<unsigned char>(ch))) strOut += ch;
  }
  return strOut;
}

struct Matrix {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
  QPointF Map(double x, double y) const { return QPointF(a * x + c * y + e, b * x + d * y + f); }
  Matrix Then(const Matrix& m) const {  // this, then applied inside m
    return Matrix{m.a * a + m.c * b, m.b * a + m.d * b,       m.a * c + m.c * d,
                  m.b * c + m.d * d, m.a * e + m.c * f + m.e, m.b * e + m.d * f + m.f};
  }
};

std::vector<double> Numbers(const std::string& strText) {
  std::vector<double> colNumbers;
  static const std::regex kNumber(R"([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)");
  for (auto it = std::sregex_iterator(strText.begin(), strText.end(), kNumber);
       it != std::sregex_iterator(); ++it) {
    colNumbers.push_back(std::stod(it->str()));
  }
  return colNumbers;
}

// The SVG's elements as drawn: ellipses with their fill, stroked lines and filled polygons with
// their points, in paper points (every enclosing transformation applied).
struct SvgEllipse {
  QPointF centre;
  double rx, ry;
  std::string strFill;
};
struct SvgPath {
  std::vector<QPointF> points;
  std::string strFill, strStroke;
};
struct SvgDrawing {
  std::vector<SvgEllipse> ellipses;
  std::vector<SvgPath> paths;
};

void Walk(const pugi::xml_node& node, Matrix matrix, std::string strFill, std::string strStroke,
          SvgDrawing& drawing) {
  if (const auto transform = node.attribute("transform"); transform) {
    const auto v = Numbers(transform.value());
    if (std::string(transform.value()).rfind("matrix", 0) == 0 && v.size() == 6) {
      matrix = Matrix{v[0], v[1], v[2], v[3], v[4], v[5]}.Then(matrix);
    }
  }
  if (const auto fill = node.attribute("fill"); fill) strFill = fill.value();
  if (const auto stroke = node.attribute("stroke"); stroke) strStroke = stroke.value();
  const std::string strName = node.name();
  if (strName == "ellipse" || strName == "circle") {
    const double rx = node.attribute(strName == "circle" ? "r" : "rx").as_double();
    const double ry = node.attribute(strName == "circle" ? "r" : "ry").as_double();
    drawing.ellipses.push_back(
        {matrix.Map(node.attribute("cx").as_double(), node.attribute("cy").as_double()),
         rx * std::hypot(matrix.a, matrix.b), ry * std::hypot(matrix.c, matrix.d), strFill});
  } else if (strName == "polyline" || strName == "polygon" || strName == "path" ||
             strName == "line") {
    std::vector<double> v;
    if (strName == "line") {
      v = {node.attribute("x1").as_double(), node.attribute("y1").as_double(),
           node.attribute("x2").as_double(), node.attribute("y2").as_double()};
    } else {
      v = Numbers(node.attribute(strName == "path" ? "d" : "points").value());
    }
    SvgPath path{{}, strName == "polyline" || strName == "line" ? "none" : strFill, strStroke};
    for (std::size_t i = 0; i + 1 < v.size(); i += 2)
      path.points.push_back(matrix.Map(v[i], v[i + 1]));
    drawing.paths.push_back(std::move(path));
  }
  for (const pugi::xml_node& child : node.children())
    Walk(child, matrix, strFill, strStroke, drawing);
}

std::string Hex(std::int32_t lngColor) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", lngColor & 0xFF, (lngColor >> 8) & 0xFF,
                (lngColor >> 16) & 0xFF);
  return buffer;
}

double Distance(const QPointF& a, const QPointF& b) {
  return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// How far a point lies from a segment.
double DistanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
  const QPointF ab = b - a;
  const double len2 = QPointF::dotProduct(ab, ab);
  const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0.0;
  return Distance(p, a + ab * t);
}

bool Near(QRgb pixel, std::int32_t lngColor, int intTolerance) {
  return std::abs(qRed(pixel) - (lngColor & 0xFF)) <= intTolerance &&
         std::abs(qGreen(pixel) - ((lngColor >> 8) & 0xFF)) <= intTolerance &&
         std::abs(qBlue(pixel) - ((lngColor >> 16) & 0xFF)) <= intTolerance;
}

// A plan, and whether its chart has symbols and arrows (the fixtures name no roles).
struct ChartCase {
  const char* strPlan;
  bool blnShapes;
};

class ChartPicturesTest : public ::testing::TestWithParam<ChartCase> {
 protected:
  static void SetUpTestSuite() { rendertest::StartPainter(); }

  void SetUp() override {
    chart_ = std::make_unique<OpenChart>(Plan(), dir_ / "Chart.xlsx");
    ASSERT_FALSE(chart_->Builder().blnFastExit);
    document_ = excel::LayOutPages(chart_->Sheet(), {});
    ASSERT_EQ(document_.pages.size(), 1u);
  }

  static std::filesystem::path Plan() { return testsupport::SourceDir() / GetParam().strPlan; }
  const excel::PrintedPage& Page() const { return document_.pages.front(); }
  const excel::Shapes& Shapes() { return chart_->Sheet().ShapeList(); }

  testsupport::TempDir dir_;
  std::unique_ptr<OpenChart> chart_;
  excel::PageDocument document_;
};

TEST_P(ChartPicturesTest, PdfIsOneA4LandscapePageWithTitleCaptionsTasksAndResources) {
  const auto pdf = dir_ / "Chart.pdf";
  chart_->Book().ExportAsFixedFormat(excel::xlTypePDF, pdf.string());
  const auto info = testsupport::RunCommand("pdfinfo " + testsupport::ShellQuote(pdf.string()));
  ASSERT_EQ(info.intExitCode, 0) << info.strStderr;
  EXPECT_TRUE(std::regex_search(info.strStdout, std::regex(R"(Pages:\s+1\n)"))) << info.strStdout;
  EXPECT_TRUE(std::regex_search(
      info.strStdout, std::regex(R"(Page size:\s+84[12](\.\d+)? x 595(\.\d+)? pts \(A4\))")))
      << info.strStdout;

  const auto text =
      testsupport::RunCommand("pdftotext " + testsupport::ShellQuote(pdf.string()) + " -");
  ASSERT_EQ(text.intExitCode, 0) << text.strStderr;
  const std::string strText = Squeezed(text.strStdout);
  const clsQuorvan& q = chart_->Builder();
  std::vector<std::string> colExpected{"Kommunikationsdiagramm für " +
                                       chart_->Host().ActiveProject().Name()};
  for (const clsField& objField : q.objTasks.objHeaderTasks.objFields.colFields) {
    // A hidden column prints nothing.
    if (!objField.strFieldAlias.empty() && objField.dblFieldColumnWidth > 0) {
      colExpected.push_back(objField.strFieldAlias);
    }
  }
  for (const clsTask& objTask : q.objTasks.colTasks) {
    if (objTask.objTask != nullptr) colExpected.push_back(objTask.objTask->Name());
  }
  for (const clsResourceGroup& objGroup : q.objResources.colResourceGroups) {
    for (const clsResource& objResource : objGroup.colResources) {
      colExpected.push_back(objResource.objResource->Name());
    }
  }
  for (const std::string& strExpected : colExpected) {
    EXPECT_NE(strText.find(Squeezed(strExpected)), std::string::npos) << strExpected;
  }
}

TEST_P(ChartPicturesTest, SvgHoldsEveryShapeWhereTheEnginePlacedIt) {
  const auto svg = dir_ / "Chart.svg";
  chart_->Sheet().ExportPicture(svg.string());
  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_file(svg.c_str()));
  SvgDrawing drawing;
  Walk(xml.document_element(), Matrix{}, "black", "none", drawing);

  const double s = Page().dblScale;
  std::size_t lngOvals = 0, lngLines = 0;
  for (std::int32_t i = 0; i < Shapes().Count(); ++i) {
    const excel::ShapeRecord& r = Shapes().Record(i);
    if (r.kind == excel::ShapeKind::Oval) {
      ++lngOvals;
      const QPointF centre = OnPaper(Page(), (r.dblX1 + r.dblX2) / 2, (r.dblY1 + r.dblY2) / 2);
      const double radius = (r.dblX2 - r.dblX1) / 2 * s;
      const bool blnFound =
          std::any_of(drawing.ellipses.begin(), drawing.ellipses.end(), [&](const SvgEllipse& e) {
            return Distance(e.centre, centre) <= kTolerance &&
                   std::fabs(e.rx - radius) <= kTolerance && std::fabs(e.ry - radius) <= kTolerance;
          });
      EXPECT_TRUE(blnFound) << "oval " << i << " at " << centre.x() << ", " << centre.y();
      continue;
    }
    ++lngLines;
    const QPointF begin = OnPaper(Page(), r.dblX1, r.dblY1),
                  end = OnPaper(Page(), r.dblX2, r.dblY2);
    const std::string strStroke = Hex(r.lngLineColor);
    const bool blnArrow = r.intEndArrowStyle != excel::msoArrowheadNone;
    // The line starts at its begin point and runs toward its end; an arrow's shaft stops at
    // its head, whose tip is the end point.
    const bool blnShaft =
        std::any_of(drawing.paths.begin(), drawing.paths.end(), [&](const SvgPath& p) {
          return p.strStroke == strStroke && p.points.size() == 2 &&
                 Distance(p.points[0], begin) <= kTolerance &&
                 DistanceToSegment(p.points[1], begin, end) <= kTolerance &&
                 (blnArrow || Distance(p.points[1], end) <= kTolerance);
        });
    EXPECT_TRUE(blnShaft) << "line " << i << " from " << begin.x() << ", " << begin.y();
    if (blnArrow) {
      const bool blnHead =
          std::any_of(drawing.paths.begin(), drawing.paths.end(), [&](const SvgPath& p) {
            return p.strFill == strStroke &&
                   std::any_of(p.points.begin(), p.points.end(),
                               [&](const QPointF& q) { return Distance(q, end) <= kTolerance; });
          });
      EXPECT_TRUE(blnHead) << "arrowhead " << i << " at " << end.x() << ", " << end.y();
    }
  }
  EXPECT_EQ(lngOvals > 0, GetParam().blnShapes);
  // One ellipse per symbol and light, one stroked line per row line and arrow: nothing twice.
  EXPECT_EQ(drawing.ellipses.size(), lngOvals);
  const auto lngStroked =
      std::count_if(drawing.paths.begin(), drawing.paths.end(),
                    [](const SvgPath& p) { return p.strStroke != "none" && p.points.size() == 2; });
  EXPECT_GE(static_cast<std::size_t>(lngStroked), lngLines);
}

TEST_P(ChartPicturesTest, PngShowsEachVisibleSymbolsColourAndTheArrowColourAtArrowheads) {
  constexpr int kDpi = 200;
  const auto png = dir_ / "Chart.png";
  chart_->Sheet().ExportPicture(png.string(), kDpi);
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png.string()), "PNG"));
  EXPECT_EQ(image.width(), std::lround(document_.dblPaperWidth * kDpi / 72));
  const double px = kDpi / 72.0;
  auto pixel = [&](double x, double y) {
    const QPointF p = OnPaper(Page(), x, y) * px;
    return image.pixel(static_cast<int>(p.x()), static_cast<int>(p.y()));
  };

  const std::vector<std::int32_t> order = Shapes().DrawingOrder();
  std::size_t lngSampled = 0, lngArrows = 0;
  for (std::size_t k = 0; k < order.size(); ++k) {
    const excel::ShapeRecord& r = Shapes().Record(order[k]);
    if (r.kind == excel::ShapeKind::Oval) {
      const QPointF c((r.dblX1 + r.dblX2) / 2, (r.dblY1 + r.dblY2) / 2);
      // The colour on top at the centre: this symbol's, or that of a symbol drawn above it;
      // where a line drawn above passes close by, the sample says nothing.
      std::int32_t lngExpected = r.lngFillColor;
      bool blnCovered = false;
      for (std::size_t j = k + 1; j < order.size() && !blnCovered; ++j) {
        const excel::ShapeRecord& o = Shapes().Record(order[j]);
        if (o.kind == excel::ShapeKind::Oval) {
          const double dblRadius = (o.dblX2 - o.dblX1) / 2;
          const QPointF oc((o.dblX1 + o.dblX2) / 2, (o.dblY1 + o.dblY2) / 2);
          if (Distance(c, oc) < dblRadius - 1.5) lngExpected = o.lngFillColor;
          if (std::fabs(Distance(c, oc) - dblRadius) <= 1.5) blnCovered = true;
        } else {
          const double dblReach = o.sngLineWeight / 2 + 3.0 * std::max(o.sngLineWeight, 1.0f) + 1.5;
          blnCovered = DistanceToSegment(c, QPointF(o.dblX1, o.dblY1), QPointF(o.dblX2, o.dblY2)) <=
                       dblReach;
        }
      }
      if (blnCovered) continue;
      ++lngSampled;
      const QRgb sample = pixel(c.x(), c.y());
      EXPECT_TRUE(Near(sample, lngExpected, 24))
          << "symbol at " << c.x() << ", " << c.y() << ": " << Hex(lngExpected) << " expected, "
          << qRed(sample) << " " << qGreen(sample) << " " << qBlue(sample) << " found";
    } else if (r.intEndArrowStyle != excel::msoArrowheadNone) {
      const QPointF a(r.dblX1, r.dblY1), b(r.dblX2, r.dblY2);
      const double dblLength = Distance(a, b);
      const double dblHead = 3.0 * std::max(r.sngLineWeight, 1.0f);
      if (dblLength <= dblHead) continue;
      ++lngArrows;
      const QPointF inHead = b - (b - a) / dblLength * (dblHead * 0.4);
      const QRgb sample = pixel(inHead.x(), inHead.y());
      EXPECT_TRUE(Near(sample, r.lngLineColor, 40))
          << "arrowhead at " << b.x() << ", " << b.y() << ": " << qRed(sample) << " "
          << qGreen(sample) << " " << qBlue(sample);
    }
  }
  EXPECT_EQ(lngSampled > 0, GetParam().blnShapes);
  EXPECT_EQ(lngArrows > 0, GetParam().blnShapes);
}

TEST(ChartPicturesOnAFullDisk, EachPictureIsRefusedWithTheReasonAndTheOldFileKept) {
  // The painters' writers do not say when a write fails; a picture that did not reach the disk
  // must neither be reported as written nor replace the old file.
  rendertest::StartPainter();
  testsupport::TempDir dir;
  OpenChart chart(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml",
                  dir / "Chart.xlsx");
  ASSERT_FALSE(chart.Builder().blnFastExit);
  const std::vector<std::pair<std::string, std::function<void(const std::string&)>>> colOutputs = {
      {"Chart.pdf",
       [&](const std::string& strFile) {
         chart.Book().ExportAsFixedFormat(excel::xlTypePDF, strFile);
       }},
      {"Chart.svg", [&](const std::string& strFile) { chart.Sheet().ExportPicture(strFile); }},
      {"Chart.png", [&](const std::string& strFile) { chart.Sheet().ExportPicture(strFile); }},
  };
  for (const auto& [strName, write] : colOutputs) {
    SCOPED_TRACE(strName);
    testsupport::WriteFile(dir / strName, "alt");
    // Room for 4 KB only, as on a disk that is full: the system refuses the write instead of
    // ending the program.
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    std::string strMessage = "not refused";
    try {
      write((dir / strName).string());
    } catch (const excel::Error& e) {
      strMessage = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(strMessage,
              "Die Datei wird größer, als das System einem Programm erlaubt; die bisherige Datei "
              "ist unverändert.");
    EXPECT_EQ(testsupport::ReadFile(dir / strName), "alt");
  }
  EXPECT_EQ(testsupport::FolderListing(dir.Path()),
            (std::vector<std::string>{"Chart.pdf", "Chart.png", "Chart.svg", "Chart.xlsx"}))
      << "nothing left of the pictures' work";
}

// The messages Qt gives while the test holds the handler.
std::vector<std::string> gQtMessages;
void CollectMessage(QtMsgType, const QMessageLogContext&, const QString& strMessage) {
  gQtMessages.push_back(strMessage.toStdString());
}

TEST(ChartPicturesTooLargeForTheMemory, AreRefusedInGermanWithoutAFloodOfQtWarnings) {
  rendertest::StartPainter();
  testsupport::TempDir dir;
  OpenChart chart(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml",
                  dir / "Chart.xlsx");
  ASSERT_FALSE(chart.Builder().blnFastExit);
  const excel::PageDocument document = excel::LayOutPages(chart.Sheet(), {});
  render::QtPagePainter painter(false);
  gQtMessages.clear();
  const QtMessageHandler previous = qInstallMessageHandler(CollectMessage);
  // An image of millions of pixels each way: no memory holds it.
  const std::string strFailure = painter.WritePng(document, 0, 100'000'000, dir / "Riesig.png");
  qInstallMessageHandler(previous);
  EXPECT_EQ(strFailure, "Das Bild ist bei 100000000 dpi zu groß für den Speicher.");
  for (const std::string& strMessage : gQtMessages) {
    EXPECT_EQ(strMessage.find("QPainter"), std::string::npos) << strMessage;
  }
  EXPECT_LE(gQtMessages.size(), 1U);  // at most Qt's own note that the image is too large
  EXPECT_FALSE(std::filesystem::exists(dir / "Riesig.png"));
}

INSTANTIATE_TEST_SUITE_P(
    Charts, ChartPicturesTest,
    ::testing::Values(ChartCase{"examples/Markteinfuehrung.xml", true},
                      ChartCase{"examples/Schulung.xml", true},
                      ChartCase{"tests/data/mspdi/task-links-project2016-mspdi.xml", false},
                      ChartCase{"tests/data/mspdi/resource-text-project2019-mspdi.xml", false}),
    [](const ::testing::TestParamInfo<ChartCase>& info) {
      std::string strName = std::filesystem::path(info.param.strPlan).stem().string();
      std::replace_if(
          strName.begin(), strName.end(),
          [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
      return strName;
    });

}  // namespace
