#pragma once
// Makes a chart's options the stored defaults: the work of the button "Als Standard festlegen".

#include <string>

#include "chart/ChartOptions.h"

// Writes the eleven colours and the two shadow switches. True when every value was written.
bool SaveColorSettings(const chart::ChartOptions& options);

// Writes the fields, the column switches and the layout values, then the colours and shadows
// (SaveColorSettings). A value that cannot be written is skipped and the next one is written.
// Then tells the user, in a box titled strTitle: "Die aktuellen Diagrammeinstellungen wurden
// gespeichert.    " when every value was written, else a warning that they could not all be
// saved. True when every value was written.
bool SaveDefaults(const chart::ChartOptions& options, const std::string& strTitle);
