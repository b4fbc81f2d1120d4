#include "addin/Registration.h"

#include <cstdint>
#include <string>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/registry/Registry.h"

namespace addin {

namespace {

using namespace registry;

std::string Failure(const char* strWhat, LONG lngCode) {
  return catalog::Format(_("{} (Fehler {})."), _(strWhat), lngCode);
}

class Key {
 public:
  ~Key() {
    if (hKey_ != nullptr) RegCloseKey(hKey_);
  }
  HKEY* Out() { return &hKey_; }
  HKEY Get() const { return hKey_; }

 private:
  HKEY hKey_ = nullptr;
};

LONG SetText(HKEY hKey, const char* strName, const std::string& strValue) {
  return RegSetValueExA(hKey, strName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                        static_cast<DWORD>(strValue.size() + 1));
}

// Removes the key below HKEY_CURRENT_USER; one that is not there is no failure.
LONG DeleteKey(const char* strKey) {
  const LONG lngCode = RegDeleteKeyA(HKEY_CURRENT_USER, strKey);
  return lngCode == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : lngCode;
}

}  // namespace

std::string RegisterAddIn() {
  {
    Key key;
    LONG lngCode = RegCreateKeyExA(HKEY_CURRENT_USER, kAddInKey, 0, nullptr,
                                   REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.Out(), nullptr);
    if (lngCode != ERROR_SUCCESS) {
      return Failure(N_("Der Schlüssel des Add-Ins konnte nicht angelegt werden"), lngCode);
    }
    const DWORD dwLoadBehavior = kLoadBehavior;
    for (LONG lngStep :
         {SetText(key.Get(), "FriendlyName", kFriendlyName),
          SetText(key.Get(), "Description", kDescription),
          RegSetValueExA(key.Get(), "LoadBehavior", 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&dwLoadBehavior), sizeof dwLoadBehavior)}) {
      if (lngStep != ERROR_SUCCESS) {
        return Failure(N_("Die Werte des Add-Ins konnten nicht geschrieben werden"), lngStep);
      }
    }
  }
  Key key;
  LONG lngCode = RegCreateKeyExA(HKEY_CURRENT_USER, kClassKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_WRITE, nullptr, key.Out(), nullptr);
  if (lngCode == ERROR_SUCCESS) lngCode = SetText(key.Get(), nullptr, kComponentDescription);
  if (lngCode != ERROR_SUCCESS) {
    return Failure(N_("Die Beschreibung der Komponente konnte nicht geschrieben werden"), lngCode);
  }
  return "";
}

std::string UnregisterAddIn() {
  if (const LONG lngCode = DeleteKey(kAddInKey); lngCode != ERROR_SUCCESS) {
    return Failure(N_("Der Schlüssel des Add-Ins konnte nicht entfernt werden"), lngCode);
  }
  if (const LONG lngCode = DeleteKey(kClassKey); lngCode != ERROR_SUCCESS) {
    return Failure(N_("Die Beschreibung der Komponente konnte nicht entfernt werden"), lngCode);
  }
  return "";
}

}  // namespace addin
