#pragma once
// The backend of a Linux desktop: links and documents open with the desktop's program for them
// (`xdg-open`). It has no dialogs of its own: a front end with a toolkit derives from it and
// shows the toolkit's dialogs; used as it is, every dialog is cancelled.

#include <string>

#include "platform/shell/Backend.h"

namespace shell {

class DesktopBackend : public Backend {
 public:
  // strOpener: the program that opens a link, looked up in PATH when it has no folder.
  explicit DesktopBackend(std::string strOpener = "xdg-open") : strOpener_(std::move(strOpener)) {}

  std::optional<std::vector<std::string>> GetOpenFileName(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> GetSaveFileName(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<COLORREF> ChooseColor(const ColorDialogRequest&,
                                      std::array<COLORREF, kCustomColorCount>&) override {
    return std::nullopt;
  }
  std::optional<std::string> BrowseForFolder(const FolderDialogRequest&) override {
    return std::nullopt;
  }

  // The verb "open" (in any letter case) or none opens the file with the opener, which runs
  // detached from this process with the file as its only argument (no shell is involved).
  // Parameters, working folder and show command do not apply to a desktop link. Returns
  // kShellExecuteOK once the opener has started; SE_ERR_FNF for an empty file; SE_ERR_NOASSOC
  // for another verb or when the opener cannot be started.
  HINSTANCE ShellExecute(const ShellExecuteRequest& request) override;

 private:
  std::string strOpener_;
};

}  // namespace shell
