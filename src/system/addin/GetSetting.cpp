#include "addin/GetSetting.h"

#include "settings/basRegistry.h"

namespace addin {

std::string GetSetting(const std::string& strAppName, const std::string& strSection,
                       const std::string& strKey, const std::string& strDefault) {
  const std::string strKeyName =
      std::string(kVbSettingsKey) + "\\" + strAppName + "\\" + strSection;
  std::string strValue = ReadRegString(registry::HKEY_CURRENT_USER, strKeyName, strKey);
  return strValue.empty() ? strDefault : strValue;
}

}  // namespace addin
