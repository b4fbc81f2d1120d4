#include "render/QtPagePainter.h"

#include <fcntl.h>
#include <unistd.h>

#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "render/PagePaint.h"

namespace render {

namespace {

constexpr int kPdfResolution = 1200;

std::string CannotWrite(const std::filesystem::path& file) {
  return catalog::Format(_("Die Datei „{}“ kann nicht geschrieben werden."), file.string());
}

// The file a painter writes into, through the system's own calls. Qt's writers, and QFile
// too, let a write that fails or is cut short (a full disk, a file grown past what the system
// allows) pass unnoticed; here every write is checked, and the first failure is kept in the
// system's words, which the engine says in German.
class CheckedFile : public QIODevice {
 public:
  explicit CheckedFile(std::filesystem::path file) : path_(std::move(file)) {}
  ~CheckedFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  CheckedFile(const CheckedFile&) = delete;
  CheckedFile& operator=(const CheckedFile&) = delete;

  bool Open() {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      Failed(errno);
      return false;
    }
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }
  // "" when everything reached the file, else why not.
  std::string Close() {
    Flush();
    if (fd_ >= 0 && ::close(fd_) != 0) Failed(errno);
    fd_ = -1;
    QIODevice::close();
    return strFailure_;
  }
  bool isSequential() const override { return true; }  // written from front to back only

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  // After a failure the rest is taken and dropped: the writer finishes as usual (libpng's
  // error path would leave Qt's buffers behind), and Close says what failed.
  qint64 writeData(const char* data, qint64 len) override {
    if (!strFailure_.empty()) return len;
    buffer_.append(data, static_cast<std::size_t>(len));
    if (buffer_.size() >= kChunk) Flush();
    return len;
  }

 private:
  static constexpr std::size_t kChunk = 1 << 16;

  void Flush() {
    for (std::size_t done = 0; strFailure_.empty() && done < buffer_.size();) {
      const ssize_t cb = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
      if (cb < 0 && errno == EINTR) continue;
      if (cb <= 0) {
        Failed(cb < 0 ? errno : ENOSPC);
        break;
      }
      done += static_cast<std::size_t>(cb);
    }
    buffer_.clear();
  }
  void Failed(int intError) {
    if (!strFailure_.empty()) return;
    strFailure_ = catalog::Format(_("Die Datei „{}“ kann nicht geschrieben werden: {}"),
                                  path_.string(), std::strerror(intError));
  }

  std::filesystem::path path_;
  int fd_ = -1;
  std::string buffer_;
  std::string strFailure_;
};

// The paper as Qt names it: a known size by its name (A4, Letter …), in its orientation.
QPageLayout Layout(const excel::PageDocument& document) {
  const double w = std::min(document.dblPaperWidth, document.dblPaperHeight);
  const double h = std::max(document.dblPaperWidth, document.dblPaperHeight);
  const QPageSize size(QSizeF(w, h), QPageSize::Point, QString(), QPageSize::FuzzyMatch);
  const bool blnLandscape = document.dblPaperWidth > document.dblPaperHeight;
  return QPageLayout(size, blnLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

bool ValidPage(const excel::PageDocument& document, std::size_t lngPage) {
  return lngPage < document.pages.size();
}

}  // namespace

QtPagePainter::QtPagePainter(bool blnInstall) {
  if (blnInstall) excel::SetPagePainter(this);
}

QtPagePainter::~QtPagePainter() {
  if (excel::CurrentPagePainter() == this) excel::SetPagePainter(nullptr);
}

std::string QtPagePainter::WritePdf(const std::vector<excel::PageDocument>& documents,
                                    const std::filesystem::path& file) {
  if (documents.empty()) return _("Es gibt keine Seite zu drucken.");
  CheckedFile output(file);
  if (!output.Open()) return output.Close();
  QPdfWriter writer(&output);
  writer.setResolution(kPdfResolution);
  writer.setCreator(QStringLiteral("Quorvan"));
  writer.setTitle(QString::fromStdString(documents.front().strTitle));
  writer.setPageLayout(Layout(documents.front()));
  QPainter painter;
  if (!painter.begin(&writer)) return CannotWrite(file);
  bool blnFirst = true;
  for (const excel::PageDocument& document : documents) {
    for (const excel::PrintedPage& page : document.pages) {
      if (!blnFirst) {
        writer.setPageLayout(Layout(document));
        writer.newPage();
      }
      blnFirst = false;
      PaintPage(painter, document, page, kPdfResolution / 72.0);
    }
  }
  if (!painter.end()) return CannotWrite(file);
  return output.Close();
}

std::string QtPagePainter::WriteSvg(const excel::PageDocument& document, std::size_t lngPage,
                                    const std::filesystem::path& file) {
  if (!ValidPage(document, lngPage)) return _("Die Seite gibt es nicht.");
  CheckedFile output(file);
  if (!output.Open()) return output.Close();
  QSvgGenerator generator;
  generator.setOutputDevice(&output);
  generator.setResolution(72);
  generator.setSize(QSize(static_cast<int>(std::ceil(document.dblPaperWidth)),
                          static_cast<int>(std::ceil(document.dblPaperHeight))));
  generator.setViewBox(QRectF(0, 0, document.dblPaperWidth, document.dblPaperHeight));
  generator.setTitle(QString::fromStdString(document.strTitle));
  generator.setDescription(QStringLiteral("Quorvan"));
  QPainter painter;
  if (!painter.begin(&generator)) return CannotWrite(file);
  painter.fillRect(QRectF(0, 0, document.dblPaperWidth, document.dblPaperHeight), Qt::white);
  PaintPage(painter, document, document.pages[lngPage], 1.0);
  if (!painter.end()) return CannotWrite(file);
  return output.Close();
}

QImage PageImage(const excel::PageDocument& document, std::size_t lngPage, double dblDotsPerInch) {
  const double dblUnits = dblDotsPerInch / 72.0;
  QImage image(static_cast<int>(std::lround(document.dblPaperWidth * dblUnits)),
               static_cast<int>(std::lround(document.dblPaperHeight * dblUnits)),
               QImage::Format_RGB32);
  if (image.isNull()) return image;  // too large for the memory: nothing to paint on
  const int dpm = static_cast<int>(std::lround(dblDotsPerInch / 0.0254));
  image.setDotsPerMeterX(dpm);
  image.setDotsPerMeterY(dpm);
  image.fill(Qt::white);
  if (lngPage < document.pages.size()) {
    QPainter painter(&image);
    PaintPage(painter, document, document.pages[lngPage], dblUnits);
  }
  return image;
}

std::string QtPagePainter::WritePng(const excel::PageDocument& document, std::size_t lngPage,
                                    std::int32_t lngDotsPerInch,
                                    const std::filesystem::path& file) {
  if (!ValidPage(document, lngPage)) return _("Die Seite gibt es nicht.");
  const QImage image = PageImage(document, lngPage, lngDotsPerInch);
  if (image.isNull()) {
    return catalog::Format(_("Das Bild ist bei {} dpi zu groß für den Speicher."), lngDotsPerInch);
  }
  CheckedFile output(file);
  if (!output.Open()) return output.Close();
  const bool blnSaved = image.save(&output, "PNG");
  const std::string strFailure = output.Close();
  if (!strFailure.empty()) return strFailure;
  return blnSaved ? "" : CannotWrite(file);
}

}  // namespace render
