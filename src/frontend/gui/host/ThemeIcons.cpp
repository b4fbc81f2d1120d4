#include "gui/host/ThemeIcons.h"

#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace gui {

void UseIconTheme() {
  static const bool blnDone = [] {
    const QString strFallback = QString::fromLatin1(kFallbackIconTheme);
    // Where the desktop's platform plugin names no icon folders (offscreen, some bare
    // set-ups), the freedesktop ones: icons below each data folder.
    QStringList colPaths = QIcon::themeSearchPaths();
    for (const QString& strFolder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory)) {
      if (!colPaths.contains(strFolder)) colPaths.push_back(strFolder);
    }
    QIcon::setThemeSearchPaths(colPaths);
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
