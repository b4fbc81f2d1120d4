#pragma once
// What the user learns after the run of a chart that was written, where the user looks last:
// the cell texts the workbook cut to the 32,767 characters a cell holds (a task name or remark
// of a plan can be longer), and a chart saved as .xls with more shapes than that format numbers
// on a sheet (65,535), which Excel may take for a damaged file.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/excel/Workbook.h"

// The notices of the saved workbook, one line each; none when there is nothing to say.
std::vector<std::string> ExportNotices(excel::Workbook& objWorkbook);

// "Hinweis: Der Text der Zelle C7 („Anfang…“) hat 40.000 Zeichen; eine Zelle fasst 32.767, der
// Rest fehlt im Diagramm." for one, a list of the first few for more; "" when nothing was cut.
std::string CutTextsNotice(const std::vector<excel::CutText>& colCut);

// "Hinweis: Das Diagramm hat 70.000 Formen; …" for a sheet of an .xls with more shapes than the
// format numbers; "" for fewer.
std::string NumberedShapesNotice(std::size_t lngShapes);
