#pragma once
// The common dialogs of Windows: open, save and colour. Each takes the caller's record and the
// table its pointer fields point into (Buffers.h), asks the installed backend and writes the
// answer back as Windows does. The result is TRUE after OK, FALSE after Cancel and for a
// record that Windows would refuse (a wrong structure size, no file buffer, a chosen path that
// does not fit the buffer). An address that is not in the table throws shell::Error.

#include "platform/shell/Buffers.h"
#include "platform/shell/Types.h"

namespace shell {

// After OK the file buffer holds the chosen path and a NUL; with OFN_ALLOWMULTISELECT a
// second NUL follows, and several chosen files are written as the folder, NUL, each name
// followed by NUL, and a closing NUL. nFileOffset and nFileExtension are set. A saved name
// without an extension gets the default extension (lpstrDefExt) appended.
BOOL GetOpenFileNameA(OPENFILENAME& ofn, const Buffers& mem);
BOOL GetSaveFileNameA(OPENFILENAME& ofn, const Buffers& mem);

// After OK rgbResult holds the chosen colour. The sixteen custom colours at lpCustColors are
// written back after OK and after Cancel, since the dialog may change them while it is open.
BOOL ChooseColorA(CHOOSECOLOR& cc, const Buffers& mem);

}  // namespace shell
