#pragma once
// The shell of the desktop: the common dialogs as Qt's own dialogs (QFileDialog, QColorDialog;
// never the platform's native ones, so that tests can drive them), links and documents opened
// by the desktop (QDesktopServices). Installed as the shell's backend for its lifetime; the
// backend it replaced comes back when it goes.
//
// Each dialog opens over the active modal window. OnDialog, when set, is called with the
// dialog once it is shown: a test sets the answer there and accepts or rejects the dialog.

#include "gui/shell/DialogRun.h"
#include "platform/shell/DesktopBackend.h"

namespace gui {

class QtShellBackend : public shell::DesktopBackend {
 public:
  QtShellBackend();
  ~QtShellBackend() override;
  QtShellBackend(const QtShellBackend&) = delete;
  QtShellBackend& operator=(const QtShellBackend&) = delete;

  // The open dialog: the record's filters (the entry nFilterIndex selected), initial folder,
  // proposed name and title; several files with OFN_ALLOWMULTISELECT; only existing files
  // with OFN_FILEMUSTEXIST.
  std::optional<std::vector<std::string>> GetOpenFileName(
      const shell::FileDialogRequest& request) override;
  // The save dialog: as the open dialog, and the default extension appended to a name typed
  // without one; the question before a file is overwritten only with OFN_OVERWRITEPROMPT.
  std::optional<std::string> GetSaveFileName(const shell::FileDialogRequest& request) override;
  // The colour dialog with the record's colour (CC_RGBINIT) and the sixteen custom colours of
  // the request; what the user made of the custom colours goes back into custColors after OK
  // and after Cancel.
  std::optional<shell::COLORREF> ChooseColor(
      const shell::ColorDialogRequest& request,
      std::array<shell::COLORREF, shell::kCustomColorCount>& custColors) override;
  // A folder of the file system.
  std::optional<std::string> BrowseForFolder(const shell::FolderDialogRequest& request) override;
  // The verb "open" (any letter case) or none: a link or a document opened by the desktop.
  shell::HINSTANCE ShellExecute(const shell::ShellExecuteRequest& request) override;

  DialogHook OnDialog;

 private:
  shell::Backend* previous_ = nullptr;
};

}  // namespace gui
