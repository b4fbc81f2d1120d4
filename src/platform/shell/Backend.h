#pragma once
// The dialogs and the link opening, served by the front end. The calls of CommDlg.h and
// ShellApi.h read the caller's record, hand the backend a request that carries the record as
// received and its texts already read, and write the backend's answer back into the record
// and the caller's buffers as Windows would.
//
// The front end installs its backend at start (SetBackend): the Qt front end shows Qt's
// dialogs, the terminal answers from its options, tests script the answers (ScriptedBackend).
// Without a backend every dialog is cancelled and no link is opened.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/shell/Types.h"

namespace shell {

struct FilterEntry {
  std::string strDescription;
  std::string strPattern;  // may be empty when the caller gave only a description
};

struct FileDialogRequest {
  bool blnSave = false;
  OPENFILENAME record;        // as the caller filled it
  std::string strFilterList;  // the filter memory up to and including its closing double NUL
  std::vector<FilterEntry> filters;
  std::string strFile;  // the file buffer up to its first NUL: the proposed name
  std::string strInitialDir;
  std::string strTitle;
  std::string strDefExt;
};

struct ColorDialogRequest {
  CHOOSECOLOR record;  // as the caller filled it
  std::array<COLORREF, kCustomColorCount> custColors{};
};

struct FolderDialogRequest {
  BROWSEINFO record;
  std::string strTitle;
};

struct ShellExecuteRequest {
  HWND hwnd = 0;
  std::string strOperation;
  std::string strFile;
  std::string strParameters;
  std::string strDirectory;
  int nShowCmd = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // The chosen files as full paths; several only when the request allows multiple selection,
  // and then all from one folder. An empty optional (or an empty list) is Cancel.
  virtual std::optional<std::vector<std::string>> GetOpenFileName(
      const FileDialogRequest& request) = 0;
  // The chosen path; an empty optional is Cancel. The default extension is added by the
  // caller of the backend when the chosen name has none.
  virtual std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) = 0;
  // The chosen colour, or an empty optional for Cancel. The dialog may change the custom
  // colours in either case; they go back into the caller's table.
  virtual std::optional<COLORREF> ChooseColor(
      const ColorDialogRequest& request, std::array<COLORREF, kCustomColorCount>& custColors) = 0;
  // The chosen folder; an empty optional is Cancel, an empty text a chosen item that is not
  // a folder of the file system.
  virtual std::optional<std::string> BrowseForFolder(const FolderDialogRequest& request) = 0;
  // Opens a document or link. Returns a value above 32 on success, or an SE_ERR_ code.
  virtual HINSTANCE ShellExecute(const ShellExecuteRequest& request) = 0;
};

// Installs the backend that serves every following call (nullptr: none); returns the one it
// replaces. The caller keeps the backend alive while it is installed.
Backend* SetBackend(Backend* backend);
Backend* CurrentBackend();

}  // namespace shell
