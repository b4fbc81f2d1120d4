#pragma once
// Visual Basic's application settings of the current user: the values that GetSetting and
// SaveSetting keep in the key "<application>\<section>" below
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings.

#include <string>

namespace addin {

inline constexpr const char* kVbSettingsKey = "Software\\VB and VBA Program Settings";

// The stored text, or strDefault when there is none.
std::string GetSetting(const std::string& strAppName, const std::string& strSection,
                       const std::string& strKey, const std::string& strDefault = "");

}  // namespace addin
