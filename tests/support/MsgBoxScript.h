#pragma once
// A scripted front end for message boxes, for the tests: it records every box shown and answers
// each with the next scripted answer, or with the answer that changes nothing when the script is
// used up. Installed for its lifetime; the handler it replaced comes back when it goes.

#include <deque>
#include <string>
#include <vector>

#include "platform/forms/FrontEnd.h"

namespace forms {

struct MsgBoxRecord {
  std::string strPrompt;
  int intButtons = 0;
  std::string strTitle;
  int intAnswer = 0;
};

class MsgBoxScript {
 public:
  MsgBoxScript();
  ~MsgBoxScript();
  MsgBoxScript(const MsgBoxScript&) = delete;
  MsgBoxScript& operator=(const MsgBoxScript&) = delete;

  // Queues the answer to the next unanswered box.
  void Answer(int intAnswer) { answers_.push_back(intAnswer); }

  const std::vector<MsgBoxRecord>& Boxes() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  std::deque<int> answers_;
  std::vector<MsgBoxRecord> boxes_;
  MsgBoxHandler previous_;
};

}  // namespace forms
