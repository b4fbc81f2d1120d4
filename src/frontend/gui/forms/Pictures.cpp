#include "gui/forms/Pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

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
    QSvgRenderer renderer(file);
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
