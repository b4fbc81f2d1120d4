#include "gui/host/ThemeIcons.h"

#include <QString>

namespace gui {

void UseIconTheme() {
  static const bool blnDone = [] {
    const QString strFallback = QString::fromLatin1(kFallbackIconTheme);
    QIcon::setFallbackThemeName(strFallback);
    // Without a desktop Qt names no theme, or only the bare "hicolor", which holds no action
    // icons.
    const QString strTheme = QIcon::themeName();
    if (strTheme.isEmpty() || strTheme == QStringLiteral("hicolor")) {
      QIcon::setThemeName(strFallback);
    }
    return true;
  }();
  static_cast<void>(blnDone);
}

QIcon ThemeIcon(const char* strName) {
  UseIconTheme();
  return QIcon::fromTheme(QString::fromLatin1(strName));
}

}  // namespace gui
