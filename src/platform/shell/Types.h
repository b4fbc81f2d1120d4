#pragma once
// The records of the Windows common dialogs and of the shell's folder browser, laid out as
// the 32-bit Windows records: every field at its Windows offset, pointers and handles in
// 32-bit slots, so that a record is byte for byte what a 32-bit caller passes.
//
// A 64-bit address does not fit into a 32-bit slot. A pointer field therefore holds an
// address in a shell::Buffers table (Buffers.h): the caller lends its buffers to the table,
// writes the addresses that the table hands out into the record, and passes the table along
// with the record. 0 stands for NULL, as in Windows.
//
// Texts are passed as ANSI, and the ANSI code page of this platform is UTF-8.

#include <cstddef>
#include <cstdint>

namespace shell {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using BOOL = std::int32_t;
using COLORREF = DWORD;  // red + 256 × green + 65536 × blue
using HWND = DWORD;
using HINSTANCE = DWORD;
// A 32-bit pointer slot: an address in a shell::Buffers table, 0 for NULL.
using Ptr32 = DWORD;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
inline constexpr DWORD MAX_PATH = 260;

// OPENFILENAMEA as Windows 95 and NT 4 define it (76 bytes).
struct OPENFILENAME {
  DWORD lStructSize = 0;
  HWND hwndOwner = 0;
  HINSTANCE hInstance = 0;
  Ptr32 lpstrFilter = 0;  // description NUL pattern NUL … NUL
  Ptr32 lpstrCustomFilter = 0;
  DWORD nMaxCustFilter = 0;
  DWORD nFilterIndex = 0;  // 1-based
  Ptr32 lpstrFile = 0;     // in: proposed name; out: the chosen file(s)
  DWORD nMaxFile = 0;      // size of lpstrFile in characters
  Ptr32 lpstrFileTitle = 0;
  DWORD nMaxFileTitle = 0;
  Ptr32 lpstrInitialDir = 0;
  Ptr32 lpstrTitle = 0;
  DWORD Flags = 0;
  WORD nFileOffset = 0;     // out: where the (first) file name starts in lpstrFile
  WORD nFileExtension = 0;  // out: where its extension starts; 0 when it has none
  Ptr32 lpstrDefExt = 0;
  LONG lCustData = 0;
  Ptr32 lpfnHook = 0;
  Ptr32 lpTemplateName = 0;
};
static_assert(sizeof(OPENFILENAME) == 76);
static_assert(offsetof(OPENFILENAME, lpstrFilter) == 12);
static_assert(offsetof(OPENFILENAME, nFilterIndex) == 24);
static_assert(offsetof(OPENFILENAME, lpstrFile) == 28);
static_assert(offsetof(OPENFILENAME, lpstrInitialDir) == 44);
static_assert(offsetof(OPENFILENAME, Flags) == 52);
static_assert(offsetof(OPENFILENAME, nFileOffset) == 56);
static_assert(offsetof(OPENFILENAME, nFileExtension) == 58);
static_assert(offsetof(OPENFILENAME, lpstrDefExt) == 60);
static_assert(offsetof(OPENFILENAME, lpTemplateName) == 72);

inline constexpr DWORD OFN_READONLY = 0x1;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x2;
inline constexpr DWORD OFN_HIDEREADONLY = 0x4;
inline constexpr DWORD OFN_ALLOWMULTISELECT = 0x200;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;
inline constexpr DWORD OFN_EXPLORER = 0x80000;

// CHOOSECOLORA (36 bytes, nine 32-bit fields).
struct CHOOSECOLOR {
  DWORD lStructSize = 0;
  HWND hwndOwner = 0;
  HINSTANCE hInstance = 0;
  COLORREF rgbResult = 0;  // in: the initial colour (CC_RGBINIT); out: the chosen colour
  Ptr32 lpCustColors = 0;  // sixteen COLORREFs, read and written by the dialog
  DWORD Flags = 0;
  LONG lCustData = 0;
  Ptr32 lpfnHook = 0;
  Ptr32 lpTemplateName = 0;
};
static_assert(sizeof(CHOOSECOLOR) == 36);
static_assert(offsetof(CHOOSECOLOR, rgbResult) == 12);
static_assert(offsetof(CHOOSECOLOR, lpCustColors) == 16);
static_assert(offsetof(CHOOSECOLOR, Flags) == 20);

inline constexpr DWORD CC_RGBINIT = 0x1;
inline constexpr DWORD CC_FULLOPEN = 0x2;
inline constexpr DWORD CC_PREVENTFULLOPEN = 0x4;
inline constexpr DWORD CC_ANYCOLOR = 0x100;
inline constexpr std::size_t kCustomColorCount = 16;

// BROWSEINFOA (32 bytes).
struct BROWSEINFO {
  HWND hwndOwner = 0;
  Ptr32 pidlRoot = 0;
  Ptr32 pszDisplayName = 0;  // out: the chosen folder's name, MAX_PATH characters
  Ptr32 lpszTitle = 0;
  DWORD ulFlags = 0;
  Ptr32 lpfn = 0;
  LONG lParam = 0;
  LONG iImage = 0;
};
static_assert(sizeof(BROWSEINFO) == 32);
static_assert(offsetof(BROWSEINFO, ulFlags) == 16);

// ShellExecuteA: show commands, and the results below 33 that report a failure.
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr HINSTANCE SE_ERR_FNF = 2;
inline constexpr HINSTANCE SE_ERR_NOASSOC = 31;
inline constexpr HINSTANCE kShellExecuteOK = 42;

}  // namespace shell
