#pragma once
// The text in which the host keeps its command bars between its starts: every bar with its
// name, position, visibility and controls, every control with its properties (JSON).

#include <string>

namespace office {

class CommandBars;

class CommandBarsFile {
 public:
  static std::string Write(const CommandBars& bars);
  // Adds the bars of the text to bars (which should be empty). False, with bars left empty,
  // when the text is not such a file.
  static bool Read(const std::string& strText, CommandBars& bars);
};

}  // namespace office
