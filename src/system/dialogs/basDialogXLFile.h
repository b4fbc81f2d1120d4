#pragma once
// Asking for a workbook file name, and the wizard's choice of where the chart is saved.

#include <string>

namespace basDialogXLFile {

// Shows the open dialog for the intention "Open" or the save dialog for "Save", with the
// given title, initial folder (left as the current folder when empty), proposed file name,
// default extension and filter. Returns the chosen path; "" after Cancel, and "" without a
// dialog for any other intention.
std::string GetXLFileName(const std::string& strTitle, const std::string& strIntention,
                          const std::string& strDefaultDir, const std::string& strDefaultFileName,
                          const std::string& strDefaultExt, const std::string& strFilter);

// The chart's file name proposed for a project: the project's name without its last four
// characters (the extension of the project file with its point) and ".xls" ("Plan.mpp" gives
// "Plan.xls"). A name of fewer than four characters loses only an extension it has ("P.x"
// gives "P.xls", "Abc" gives "Abc.xls"); when nothing is left of the name the proposal is
// "Kommunikationsdiagramm.xls".
std::string ProposeChartFileName(const std::string& strProjectName);

// The wizard's "Speichern..." button: the save dialog for the chart of the project with the
// given folder and name. Returns the chosen path, or "" after Cancel (the path box then keeps
// its text).
std::string GetChartFileName(const std::string& strProjectPath, const std::string& strProjectName);

}  // namespace basDialogXLFile
