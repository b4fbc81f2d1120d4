#include "gui/shell/NameFilters.h"

#include <QRegularExpression>

#include "platform/catalog/Catalog.h"

namespace gui {

namespace {

// The patterns at the end of a description, as Qt reads them; "" when there are none.
QString TrailingPatterns(const QString& strDescription) {
  static const QRegularExpression kTrailing(QStringLiteral("\\(([^()]*)\\)\\s*$"));
  const QRegularExpressionMatch match = kTrailing.match(strDescription);
  return match.hasMatch() ? match.captured(1).simplified() : QString();
}

}  // namespace

QStringList NameFilters(const std::vector<shell::FilterEntry>& filters) {
  QStringList colFilters;
  for (const shell::FilterEntry& entry : filters) {
    const QString strDescription = QString::fromStdString(entry.strDescription).trimmed();
    QString strPatterns = QString::fromStdString(entry.strPattern);
    strPatterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    strPatterns = strPatterns.simplified();
    if (strPatterns.isEmpty()) {
      colFilters << (TrailingPatterns(strDescription).isEmpty()
                         ? strDescription + QStringLiteral(" (*)")
                         : strDescription);
    } else if (TrailingPatterns(strDescription) == strPatterns) {
      colFilters << strDescription;
    } else {
      colFilters << strDescription + QStringLiteral(" (") + strPatterns + QLatin1Char(')');
    }
  }
  if (colFilters.isEmpty()) colFilters << QString::fromUtf8(_("Alle Dateien (*)"));
  return colFilters;
}

}  // namespace gui
