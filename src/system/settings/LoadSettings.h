#pragma once
// Loads the stored defaults into a chart's options, at every launch of the wizard and before
// every run of the command line.

#include "chart/ChartOptions.h"

// A value that is missing, or reads as the empty text, gives its option the default (a colour
// keeps the value it had); a value that does not convert, or that its option cannot take (a
// switch state outside 0 … 2, a colour that is no colour value, an arrow size that is none of
// the three words), leaves the option as it was, and loading goes on with the next value.
// Nothing is reported.
void LoadSettings(chart::ChartOptions& options);
