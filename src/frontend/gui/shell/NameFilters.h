#pragma once
// A file dialog's filter list in Qt's form. Windows keeps each entry as a description and a
// pattern list ("*.xls;*.xlsx"); Qt reads the patterns from the parentheses at the end of one
// text ("Excel-Arbeitsmappe (*.xls *.xlsx)").

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/shell/Backend.h"

namespace gui {

// One Qt name filter per entry, in order:
// - a description with a pattern: the description followed by the pattern in parentheses,
//   unless the description already ends with exactly those patterns in parentheses;
// - a description without a pattern: the description as it is when it ends with patterns in
//   parentheses ("Excel-Arbeitsmappe (*.xls)"), else the description with "(*)";
// - no entry at all: "Alle Dateien (*)".
QStringList NameFilters(const std::vector<shell::FilterEntry>& filters);

}  // namespace gui
