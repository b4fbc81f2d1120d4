#pragma once
// The terminal as the front end of one run: every message box is printed to stderr (a question
// is answered Yes only when the command line says so, No otherwise), a modal form is handed to
// the given handler, and the run's progress is shown as percentage and text — redrawn in place
// on a terminal, one line per step otherwise.

#include <iosfwd>
#include <string>

#include "platform/forms/FrontEnd.h"

namespace cli {

class TerminalFrontEnd {
 public:
  // Installs itself as the front end of message boxes and modal forms for its lifetime.
  // blnTerminal: err is a terminal, so the progress line is redrawn in place.
  TerminalFrontEnd(std::ostream& err, bool blnYes, bool blnTerminal, forms::ModalHandler modal);
  ~TerminalFrontEnd();
  TerminalFrontEnd(const TerminalFrontEnd&) = delete;
  TerminalFrontEnd& operator=(const TerminalFrontEnd&) = delete;

  // True once a box has reported a problem (exclamation or critical icon).
  bool ProblemReported() const { return blnProblem_; }

  // A box's text as the terminal shows it: line ends of the dialog (CR LF) as new lines, the
  // blanks at the ends of lines that only a dialog needs taken away.
  static std::string PlainText(const std::string& strPrompt);
  // One progress step: "  5 % Text".
  static std::string ProgressLine(double dblPercent, const std::string& strText);

  // One step of a run's progress: redrawn in place on a terminal, a line of its own otherwise.
  void ShowProgress(double dblPercent, const std::string& strText);
  // Ends a progress line that is being redrawn, so that other output starts on a line of its own.
  void EndProgressLine();

 private:
  int Answer(const std::string& strPrompt, int intButtons);

  std::ostream& err_;
  bool blnYes_;
  bool blnTerminal_;
  bool blnProblem_ = false;
  bool blnProgressLineOpen_ = false;
  forms::MsgBoxHandler previousMsgBox_;
  forms::ModalHandler previousModal_;
};

}  // namespace cli
