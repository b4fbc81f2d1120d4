#pragma once
// The pictures that the forms name (an image control's Picture): a name of the product's own
// pictures ("Quorvan-Banner", "Tevrana-Logo") or the path of an image file.

#include <QPixmap>
#include <string>

namespace gui {

// The picture drawn into a size: stretched to fill it, or at its own size in the top-left
// corner. An empty pixmap for a picture that cannot be found.
QPixmap RenderPicture(const std::string& strPicture, QSize size, bool blnStretch,
                      qreal devicePixelRatio);

}  // namespace gui
