#pragma once
// Visual Basic's MsgBox as a QMessageBox: the button set (vbOKOnly … vbRetryCancel), the icon
// (vbCritical, vbQuestion, vbExclamation, vbInformation), the default button (first, second,
// third), the title; the answer comes back as Visual Basic's number (vbOK, vbYes …).

#include <QMessageBox>
#include <string>

namespace gui {

// Builds the box without showing it; the caller runs it with exec() and reads the answer with
// MessageBoxAnswer.
QMessageBox* CreateMessageBox(QWidget* parent, const std::string& strPrompt, int intButtons,
                              const std::string& strTitle);
// Visual Basic's answer for the button that closed the box (Escape or the window's close
// button: Cancel where the box has one, else its only button).
int MessageBoxAnswer(const QMessageBox& box, int intButtons);

}  // namespace gui
