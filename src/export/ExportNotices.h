#pragma once
// What the user learns after the run of a chart that was written, where the user looks last:
// the cell texts the workbook cut to the 32,767 characters a cell holds (a task name or remark
// of a plan can be longer).

#include <string>
#include <vector>

#include "platform/excel/Workbook.h"

// The notices of the saved workbook, one line each; none when there is nothing to say.
std::vector<std::string> ExportNotices(const excel::Workbook& objWorkbook);

// "Hinweis: Der Text der Zelle C7 („Anfang…“) hat 40.000 Zeichen; eine Zelle fasst 32.767, der
// Rest fehlt im Diagramm." for one, a list of the first few for more; "" when nothing was cut.
std::string CutTextsNotice(const std::vector<excel::CutText>& colCut);
