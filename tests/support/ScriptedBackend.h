#pragma once
// A backend that answers from a script, for the tests: each dialog takes the next scripted
// answer (Cancel when the script is used up), and every request and every link opened is
// recorded. Installed for its lifetime; the backend it replaced comes back when it goes.
//
// A scripted answer of the wrong kind for the dialog that takes it (a colour for a file
// dialog) is a fault of the script and throws std::logic_error.

#include <deque>
#include <string>
#include <vector>

#include "platform/shell/Backend.h"

namespace shell {

class ScriptedBackend : public Backend {
 public:
  ScriptedBackend();
  ~ScriptedBackend() override;
  ScriptedBackend(const ScriptedBackend&) = delete;
  ScriptedBackend& operator=(const ScriptedBackend&) = delete;

  // Queues the answer to the next dialog.
  void AnswerFile(const std::string& strPath) { AnswerFiles({strPath}); }
  void AnswerFiles(std::vector<std::string> paths);
  void AnswerColor(COLORREF color);
  void AnswerFolder(const std::string& strPath);
  void Cancel();
  // Changes a custom colour (0 … 15) in the next colour dialog, as a user would.
  void EditCustomColor(std::size_t index, COLORREF color);

  // What ShellExecute answers (default: success).
  void ShellExecuteResult(HINSTANCE result) { shellExecuteResult_ = result; }

  const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }
  const std::vector<ColorDialogRequest>& ColorDialogs() const { return colorDialogs_; }
  const std::vector<FolderDialogRequest>& FolderDialogs() const { return folderDialogs_; }
  const std::vector<ShellExecuteRequest>& Links() const { return links_; }

  std::optional<std::vector<std::string>> GetOpenFileName(
      const FileDialogRequest& request) override;
  std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) override;
  std::optional<COLORREF> ChooseColor(const ColorDialogRequest& request,
                                      std::array<COLORREF, kCustomColorCount>& custColors) override;
  std::optional<std::string> BrowseForFolder(const FolderDialogRequest& request) override;
  HINSTANCE ShellExecute(const ShellExecuteRequest& request) override;

 private:
  enum class Kind { Cancel, Files, Color, Folder };
  struct Answer {
    Kind kind = Kind::Cancel;
    std::vector<std::string> paths;
    COLORREF color = 0;
  };
  // The next answer; Cancel when the script is used up. Throws for an answer of another kind.
  Answer Next(Kind expected);

  std::deque<Answer> answers_;
  std::vector<std::pair<std::size_t, COLORREF>> colorEdits_;
  HINSTANCE shellExecuteResult_ = kShellExecuteOK;
  std::vector<FileDialogRequest> fileDialogs_;
  std::vector<ColorDialogRequest> colorDialogs_;
  std::vector<FolderDialogRequest> folderDialogs_;
  std::vector<ShellExecuteRequest> links_;
  Backend* previous_ = nullptr;
};

}  // namespace shell
