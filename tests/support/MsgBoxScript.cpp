#include "support/MsgBoxScript.h"

namespace forms {

MsgBoxScript::MsgBoxScript() {
  previous_ = SetMsgBoxHandler(
      [this](const std::string& strPrompt, int intButtons, const std::string& strTitle) {
        int intAnswer = DefaultAnswer(intButtons);
        if (!answers_.empty()) {
          intAnswer = answers_.front();
          answers_.pop_front();
        }
        boxes_.push_back({strPrompt, intButtons, strTitle, intAnswer});
        return intAnswer;
      });
}

MsgBoxScript::~MsgBoxScript() {
  SetMsgBoxHandler(std::move(previous_));
}

}  // namespace forms
