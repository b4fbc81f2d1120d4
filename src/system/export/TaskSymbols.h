#pragma once
// The role symbols of one task row and the lines that join them.

#include <cstdint>

#include "export/ResourceColumns.h"

class clsQuorvan;
class clsTask;

// For every resource column in order: a small circle per Participant and per Informed entry
// that names the resource, a large one per Responsible entry, stacked in that order. Then a
// line from the row's first symbol to every symbol in another column, behind the symbols.
// Returns true when any drawing call failed.
bool DrawTaskSymbols(clsQuorvan& objQuorvan, const clsTask& objTask,
                     const ResourceColumns& objColumns);

// The shapes DrawTaskSymbols draws for the row: its symbols and its lines.
std::uint64_t TaskSymbolShapes(const clsTask& objTask, const ResourceColumns& objColumns);
