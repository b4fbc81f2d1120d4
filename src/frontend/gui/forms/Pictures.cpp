#include "gui/forms/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include "platform/catalog/Catalog.h"

namespace gui {

namespace {

QString PictureFile(const std::string& strPicture) {
  const QString name = QString::fromStdString(strPicture);
  const QString own = QStringLiteral(":/quorvan/") + name + QStringLiteral(".svg");
  if (QFileInfo::exists(own)) return own;
  return name;
}

}  // namespace

QPixmap RenderPicture(const std::string& strPicture, QSize size, bool blnStretch,
                      qreal devicePixelRatio) {
  if (strPicture.empty() || size.isEmpty()) return {};
  const QString file = PictureFile(strPicture);
  if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    // The banner's line of text speaks the catalog's language.
    QFile svg(file);
    QByteArray content = svg.open(QIODevice::ReadOnly) ? svg.readAll() : QByteArray();
    constexpr const char* kBannerText = N_("Kommunikationsdiagramme aus Projektplänen");
    content.replace(kBannerText, QString::fromUtf8(_(kBannerText)).toHtmlEscaped().toUtf8());
    QSvgRenderer renderer(content);
    if (!renderer.isValid()) return {};
    const QSize natural = renderer.defaultSize();
    const QSize drawn = blnStretch ? size : natural.boundedTo(size);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(drawn)));
    return pixmap;
  }
  QImageReader reader(file);
  QImage image = reader.read();
  if (image.isNull()) return {};
  if (blnStretch)
    image = image.scaled(size * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace gui
