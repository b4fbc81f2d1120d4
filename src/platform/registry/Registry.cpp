#include "platform/registry/Registry.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/HiveFile.h"
#include "platform/registry/Utf16.h"

namespace registry {

// An open key: the path of the key (from the root) and the rights it was opened with.
struct HKEY__ {
  std::string strPath;
  REGSAM samGranted = 0;
};

namespace {

constexpr std::string_view kRootName = "HKEY_CURRENT_USER";

HKEY__ gRootCurrentUser{std::string(kRootName), KEY_ALL_ACCESS};

bool IsTextType(DWORD dwType) {
  return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ;
}

// The full path of lpSubKey below hKey; false when the sub-key path is malformed.
bool JoinPath(HKEY hKey, LPCSTR lpSubKey, std::string& strPath) {
  strPath = hKey->strPath;
  if (lpSubKey == nullptr || *lpSubKey == '\0') return true;
  const std::string_view strSub(lpSubKey);
  if (strSub.front() == '\\' || strSub.find("\\\\") != std::string_view::npos) return false;
  strPath += '\\';
  strPath += strSub;
  if (strPath.back() == '\\') strPath.pop_back();  // Windows accepts one trailing backslash
  return true;
}

bool KeyExists(const Hive& hive, const std::string& strPath) {
  return NamesEqual(strPath, kRootName) || hive.FindKey(strPath) != nullptr;
}

HKEY NewHandle(const HiveKey* key, const std::string& strPath, REGSAM sam) {
  return new HKEY__{key != nullptr ? key->Path() : strPath, sam};
}

bool IsRootOrOpenKey(HKEY hKey) {
  return hKey != nullptr;
}

}  // namespace

const HKEY HKEY_CURRENT_USER = &gRootCurrentUser;

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                   PHKEY phkResult) {
  if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  if (!IsRootOrOpenKey(hKey)) return ERROR_INVALID_HANDLE;
  std::string strPath;
  if (!JoinPath(hKey, lpSubKey, strPath)) return ERROR_BAD_PATHNAME;
  const auto hive = ReadHive(RegistryFilePath());
  if (!KeyExists(*hive, strPath)) return ERROR_FILE_NOT_FOUND;
  *phkResult = NewHandle(hive->FindKey(strPath), strPath, samDesired);
  return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD /*Reserved*/, LPSTR /*lpClass*/,
                     DWORD /*dwOptions*/, REGSAM samDesired,
                     const SECURITY_ATTRIBUTES* /*lpSecurityAttributes*/, PHKEY phkResult,
                     LPDWORD lpdwDisposition) {
  if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  if (!IsRootOrOpenKey(hKey)) return ERROR_INVALID_HANDLE;
  std::string strPath;
  if (!JoinPath(hKey, lpSubKey, strPath)) return ERROR_BAD_PATHNAME;

  const auto path = RegistryFilePath();
  DWORD dwDisposition = REG_OPENED_EXISTING_KEY;
  std::string strStoredPath;  // the key's path as the file spells it
  bool blnExists = false;
  {
    const auto hive = ReadHive(path);
    blnExists = KeyExists(*hive, strPath);
    if (const HiveKey* key = hive->FindKey(strPath)) strStoredPath = key->Path();
  }
  if (!blnExists) {
    if ((hKey->samGranted & KEY_CREATE_SUB_KEY) == 0) return ERROR_ACCESS_DENIED;
    const LONG lngResult = UpdateHive(path, [&](Hive& current, bool& blnChanged) {
      if (!KeyExists(current, strPath)) {
        current.CreateKey(strPath);
        blnChanged = true;
        dwDisposition = REG_CREATED_NEW_KEY;
      }
      if (const HiveKey* key = current.FindKey(strPath)) strStoredPath = key->Path();
      return ERROR_SUCCESS;
    });
    if (lngResult != ERROR_SUCCESS) return lngResult;
  }
  if (lpdwDisposition != nullptr) *lpdwDisposition = dwDisposition;
  *phkResult = new HKEY__{strStoredPath.empty() ? strPath : strStoredPath, samDesired};
  return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD /*lpReserved*/, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData) {
  if (!IsRootOrOpenKey(hKey)) return ERROR_INVALID_HANDLE;
  if (lpData != nullptr && lpcbData == nullptr) return ERROR_INVALID_PARAMETER;
  if ((hKey->samGranted & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;

  const auto hive = ReadHive(RegistryFilePath());
  const HiveKey* key = hive->FindKey(hKey->strPath);
  if (key == nullptr) {
    return NamesEqual(hKey->strPath, kRootName) ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
  }
  const HiveValue* value = key->FindValue(lpValueName != nullptr ? lpValueName : "");
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;

  // The "A" form of the data: text types as UTF-8 bytes, zero units as zero bytes.
  std::vector<BYTE> data;
  if (IsTextType(value->dwType)) {
    const std::string strText = Utf16LeToUtf8(value->data);
    data.assign(strText.begin(), strText.end());
  } else {
    data = value->data;
  }

  if (lpType != nullptr) *lpType = value->dwType;
  if (lpcbData == nullptr) return ERROR_SUCCESS;
  const DWORD cbAvailable = *lpcbData;
  *lpcbData = static_cast<DWORD>(data.size());
  if (lpData == nullptr) return ERROR_SUCCESS;
  if (data.size() > cbAvailable) return ERROR_MORE_DATA;
  if (!data.empty()) std::memcpy(lpData, data.data(), data.size());
  return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD /*Reserved*/, DWORD dwType,
                    const BYTE* lpData, DWORD cbData) {
  if (!IsRootOrOpenKey(hKey)) return ERROR_INVALID_HANDLE;
  if (lpData == nullptr && cbData != 0) return ERROR_INVALID_PARAMETER;
  if ((hKey->samGranted & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;

  HiveValue value;
  value.strName = lpValueName != nullptr ? lpValueName : "";
  value.dwType = dwType;
  if (IsTextType(dwType)) {
    value.data = Utf8ToUtf16Le(std::string_view(reinterpret_cast<const char*>(lpData), cbData));
  } else if (cbData != 0) {
    value.data.assign(lpData, lpData + cbData);
  }

  const std::string strPath = hKey->strPath;
  return UpdateHive(RegistryFilePath(), [&](Hive& hive, bool& blnChanged) -> LONG {
    HiveKey* key = hive.FindKey(strPath);
    if (key == nullptr) {
      if (!NamesEqual(strPath, kRootName)) return ERROR_KEY_DELETED;
      key = &hive.CreateKey(strPath);
    }
    key->SetValue(std::move(value));
    blnChanged = true;
    return ERROR_SUCCESS;
  });
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  if (!IsRootOrOpenKey(hKey)) return ERROR_INVALID_HANDLE;
  if ((hKey->samGranted & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;
  const std::string strPath = hKey->strPath;
  const std::string strName = lpValueName != nullptr ? lpValueName : "";
  return UpdateHive(RegistryFilePath(), [&](Hive& hive, bool& blnChanged) -> LONG {
    HiveKey* key = hive.FindKey(strPath);
    if (key == nullptr || !key->DeleteValue(strName)) return ERROR_FILE_NOT_FOUND;
    blnChanged = true;
    return ERROR_SUCCESS;
  });
}

LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  if (!IsRootOrOpenKey(hKey)) return ERROR_INVALID_HANDLE;
  if (lpSubKey == nullptr || *lpSubKey == '\0') return ERROR_ACCESS_DENIED;  // not itself
  std::string strPath;
  if (!JoinPath(hKey, lpSubKey, strPath)) return ERROR_BAD_PATHNAME;
  return UpdateHive(RegistryFilePath(), [&](Hive& hive, bool& blnChanged) -> LONG {
    if (hive.FindKey(strPath) == nullptr) return ERROR_FILE_NOT_FOUND;
    if (!hive.SubKeyNames(strPath).empty()) return ERROR_ACCESS_DENIED;
    hive.DeleteKeyTree(strPath);
    blnChanged = true;
    return ERROR_SUCCESS;
  });
}

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName,
                   LPDWORD /*lpReserved*/, LPSTR /*lpClass*/, LPDWORD lpcchClass,
                   void* /*lpftLastWriteTime*/) {
  if (!IsRootOrOpenKey(hKey)) return ERROR_INVALID_HANDLE;
  if (lpName == nullptr || lpcchName == nullptr) return ERROR_INVALID_PARAMETER;
  if ((hKey->samGranted & KEY_ENUMERATE_SUB_KEYS) == 0) return ERROR_ACCESS_DENIED;
  const auto hive = ReadHive(RegistryFilePath());
  if (!KeyExists(*hive, hKey->strPath)) return ERROR_KEY_DELETED;
  const std::vector<std::string> names = hive->SubKeyNames(hKey->strPath);
  if (dwIndex >= names.size()) return ERROR_NO_MORE_ITEMS;
  const std::string& strName = names[dwIndex];
  if (strName.size() + 1 > *lpcchName) return ERROR_MORE_DATA;
  std::memcpy(lpName, strName.c_str(), strName.size() + 1);
  *lpcchName = static_cast<DWORD>(strName.size());
  if (lpcchClass != nullptr) *lpcchClass = 0;
  return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY hKey) {
  if (hKey == nullptr) return ERROR_INVALID_HANDLE;
  if (hKey == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  delete hKey;
  return ERROR_SUCCESS;
}

}  // namespace registry
