#pragma once
// What the front end provides to every form: the message box, the modal loop and the
// repainting of pending changes. The terminal and the Qt front ends install their handlers at
// start; tests install scripted ones (MsgBoxScript). Without a handler a message box answers
// at once with the answer that changes nothing (OK, No or Cancel), a modal form returns at
// once, and DoEvents does nothing.

#include <functional>
#include <string>

namespace forms {

class Form;

using MsgBoxHandler =
    std::function<int(const std::string& strPrompt, int intButtons, const std::string& strTitle)>;
using ModalHandler = std::function<void(Form& frm)>;
using DoEventsHandler = std::function<void()>;

// Each returns the handler it replaces.
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler);
ModalHandler SetModalHandler(ModalHandler handler);
DoEventsHandler SetDoEventsHandler(DoEventsHandler handler);

// Shows a message box: the prompt, the buttons and icon as Visual Basic's numbers added
// together (vbYesNo + vbQuestion), the title. Returns the answer (vbOK, vbYes, vbNo …).
int MsgBox(const std::string& strPrompt, int intButtons = 0, const std::string& strTitle = "");

// Lets the front end process pending input and repaint.
void DoEvents();

// Runs the front end's modal loop for a form (called by Form::Show).
void RunModal(Form& frm);

// The answer of a box that nobody answers: the button that changes nothing.
int DefaultAnswer(int intButtons);

}  // namespace forms
