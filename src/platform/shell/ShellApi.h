#pragma once
// The shell's folder browser and ShellExecuteA, served by the installed backend.

#include "platform/shell/Buffers.h"
#include "platform/shell/Types.h"

namespace shell {

// Shows the folder browser. Returns the address of the chosen item's ID list in `mem` (owned by
// the table), or 0 after Cancel. When pszDisplayName is set, the item's name is written there.
Ptr32 SHBrowseForFolderA(BROWSEINFO& bi, Buffers& mem);

// Writes the file-system path of an item ID list, NUL-terminated, into the MAX_PATH buffer at
// pszPath. FALSE, with an empty text in the buffer, when the item is not a folder of the file
// system or its path does not fit. An address that is no ID list throws shell::Error.
BOOL SHGetPathFromIDListA(Ptr32 pidl, Ptr32 pszPath, const Buffers& mem);

// Opens a document or link with the desktop's program for it. nullptr stands for NULL. Returns
// a value above 32 on success, an SE_ERR_ code otherwise (SE_ERR_NOASSOC without a backend).
HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile,
                        const char* lpParameters, const char* lpDirectory, int nShowCmd);

}  // namespace shell
