#pragma once
// How the desktop runs a dialog of its own: over the active modal window (or the active window
// when none is modal), with a hook that sees the dialog once it is on screen. Tests answer the
// dialog from the hook (set its values, then accept() or reject()); without a hook the user
// answers it.

#include <QDialog>
#include <functional>

namespace gui {

using DialogHook = std::function<void(QDialog& dialog)>;

// The window that owns a dialog opened now: the innermost modal window, else the active one;
// nullptr when the application has no window.
QWidget* DialogOwner();

// Runs the dialog modally; the hook, when set, is called once the dialog is shown, from the
// dialog's own event loop. Returns QDialog::Accepted or QDialog::Rejected.
int RunDialog(QDialog& dialog, const DialogHook& hook);

}  // namespace gui
