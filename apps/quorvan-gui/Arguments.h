#pragma once
// The command line of quorvan-gui: an optional plan, help and version in German, and the
// switch with which the start benchmark measures the window.

#include <optional>
#include <string>

struct GuiArguments {
  std::optional<std::string> strPlan;
  bool blnHelp = false;
  bool blnVersion = false;
  // Prints the monotonic clock when the window is on screen and when the wizard opened from
  // the menu entry is, then ends.
  bool blnDiagnoseStart = false;
  std::string strError;  // a wrong command line, in German
};

GuiArguments ParseArguments(int argc, char** argv);

std::string HelpText();
std::string VersionText();
