#pragma once
// The registry of the current user, with the calls of the Win32 registry API.
//
// HKEY_CURRENT_USER is kept in a registry export file ("Windows Registry Editor Version 5.00"),
// named by QUORVAN_REGISTRY, else $XDG_CONFIG_HOME/quorvan/HKCU.reg, else
// ~/.config/quorvan/HKCU.reg. The process reads the file once and again only when it changed
// on disk; every change is written atomically under a lock, after looking at the file again
// under that lock, so that processes writing at the same time keep each other's changes. A
// registry export that cannot be parsed reads as empty and is kept as HKCU.reg.bak (or .bak.1,
// …) when it is next written; a file that is no registry export, or is read-only, is never
// written (ERROR_ACCESS_DENIED; HiveFile.h says why in words).
//
// The calls return the Win32 error codes, as the real ones do. The "A" forms hand out text as
// UTF-8 bytes; the store keeps text as UTF-16, as Windows does.

#include <cstdint>

namespace registry {

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
using REGSAM = DWORD;
using LPCSTR = const char*;
using LPSTR = char*;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
struct SECURITY_ATTRIBUTES;

// The predefined root key. Only this root is kept; the others are refused.
extern const HKEY HKEY_CURRENT_USER;

// Error codes.
inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_WRITE_FAULT = 29;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_DISK_FULL = 112;
inline constexpr LONG ERROR_BAD_PATHNAME = 161;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_NO_MORE_ITEMS = 259;
inline constexpr LONG ERROR_KEY_DELETED = 1018;

// Value types.
inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;
inline constexpr DWORD REG_QWORD = 11;

// Access rights.
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_NOTIFY = 0x0010;
inline constexpr REGSAM KEY_CREATE_LINK = 0x0020;
inline constexpr REGSAM READ_CONTROL = 0x00020000;
inline constexpr REGSAM KEY_READ = 0x00020019;
inline constexpr REGSAM KEY_WRITE = 0x00020006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0x000F003F;

// Options and dispositions of RegCreateKeyExA.
inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Opens an existing key below hKey (an empty or null lpSubKey opens hKey again).
// ERROR_FILE_NOT_FOUND when the key does not exist.
LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);

// Opens the key below hKey, creating it and any missing key above it. lpdwDisposition (may be
// null) receives REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                     REGSAM samDesired, const SECURITY_ATTRIBUTES* lpSecurityAttributes,
                     PHKEY phkResult, LPDWORD lpdwDisposition);

// Reads a value (null or empty name: the key's default value). lpType (may be null) receives
// the type. *lpcbData gives the caller's buffer size and receives the size of the data; when
// the data does not fit, the buffer is left alone and ERROR_MORE_DATA is returned. With a null
// lpData only type and size are returned.
LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData);

// Writes a value of the given type; for REG_SZ the data include the terminating zero byte.
LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData);

// Removes a value; ERROR_FILE_NOT_FOUND when there is none.
LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);

// Removes a key that has no sub-keys.
LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey);

// The name of the dwIndex-th sub-key (in stored order); ERROR_NO_MORE_ITEMS past the last.
// *lpcchName gives the buffer size in characters including the terminating zero and receives
// the name's length without it; ERROR_MORE_DATA when the name does not fit.
LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                   LPSTR lpClass, LPDWORD lpcchClass, void* lpftLastWriteTime);

// Releases a key handle. The predefined root needs no closing.
LONG RegCloseKey(HKEY hKey);

}  // namespace registry
