#include "settings/basRegistry.h"

#include <cstdint>
#include <cstring>
#include <vector>

using namespace registry;

namespace {

constexpr REGSAM kAccess = 0x2003F;  // every key right, and read control
constexpr DWORD kBufferSize = 1024;

}  // namespace

std::string ReadRegString(HKEY hKeyRoot, const std::string& strKeyName,
                          const std::string& strValueName) {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(hKeyRoot, strKeyName.c_str(), 0, kAccess, &hKey) != ERROR_SUCCESS) return {};

  std::vector<char> buffer(kBufferSize, '\0');
  DWORD dwType = 0;
  DWORD cbData = kBufferSize;
  const LONG lngResult = RegQueryValueExA(hKey, strValueName.c_str(), nullptr, &dwType,
                                          reinterpret_cast<BYTE*>(buffer.data()), &cbData);
  RegCloseKey(hKey);
  if (lngResult != ERROR_SUCCESS) return {};

  switch (dwType) {
    case REG_SZ:
    case REG_EXPAND_SZ:
      return std::string(buffer.data(), ::strnlen(buffer.data(), buffer.size()));
    case REG_DWORD: {
      // A 32-bit integer of the runtime: signed, as the runtime's Long is.
      std::int32_t lngValue = 0;
      std::memcpy(&lngValue, buffer.data(), sizeof lngValue);
      return std::to_string(lngValue);
    }
    default:
      return {};
  }
}

bool WriteRegString(HKEY hKeyRoot, const std::string& strKeyName, const std::string& strValueName,
                    const std::string& strValue) {
  HKEY hKey = nullptr;
  DWORD dwDisposition = 0;
  if (RegCreateKeyExA(hKeyRoot, strKeyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess,
                      nullptr, &hKey, &dwDisposition) != ERROR_SUCCESS) {
    return false;
  }
  const std::string strStored = strValue.empty() ? std::string(" ") : strValue;
  const LONG lngResult = RegSetValueExA(hKey, strValueName.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(strStored.c_str()),
                                        static_cast<DWORD>(strStored.size() + 1));
  RegCloseKey(hKey);
  return lngResult == ERROR_SUCCESS;
}
