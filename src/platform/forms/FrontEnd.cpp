#include "platform/forms/FrontEnd.h"

#include <utility>

#include "platform/forms/Constants.h"

namespace forms {

namespace {

// The handlers of the one front end that runs in the process.
struct Handlers {
  MsgBoxHandler msgBox;
  ModalHandler modal;
  DoEventsHandler doEvents;
};

Handlers& Installed() {
  static Handlers handlers;
  return handlers;
}

}  // namespace

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler) {
  return std::exchange(Installed().msgBox, std::move(handler));
}

ModalHandler SetModalHandler(ModalHandler handler) {
  return std::exchange(Installed().modal, std::move(handler));
}

DoEventsHandler SetDoEventsHandler(DoEventsHandler handler) {
  return std::exchange(Installed().doEvents, std::move(handler));
}

int DefaultAnswer(int intButtons) {
  switch (intButtons & 7) {
    case vbOKCancel:
    case vbYesNoCancel:
      return vbCancel;
    case vbYesNo:
      return vbNo;
    default:
      return vbOK;
  }
}

int MsgBox(const std::string& strPrompt, int intButtons, const std::string& strTitle) {
  // A copy: the handler may install another one while it runs.
  MsgBoxHandler handler = Installed().msgBox;
  if (!handler) return DefaultAnswer(intButtons);
  return handler(strPrompt, intButtons, strTitle);
}

void DoEvents() {
  DoEventsHandler handler = Installed().doEvents;
  if (handler) handler();
}

void RunModal(Form& frm) {
  ModalHandler handler = Installed().modal;
  if (handler) handler(frm);
}

}  // namespace forms
