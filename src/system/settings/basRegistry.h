#pragma once
// Text values in the registry of the current user: the two routines through which the stored
// defaults are read and written.

#include <string>

#include "platform/registry/Registry.h"

// The text of a value below hKeyRoot. Never fails: a missing key, a missing value, data of
// 1,024 bytes or more and any type other than REG_SZ, REG_EXPAND_SZ (not expanded) or
// REG_DWORD (as decimal text) all read as the empty text.
std::string ReadRegString(registry::HKEY hKeyRoot, const std::string& strKeyName,
                          const std::string& strValueName);

// Writes the text as REG_SZ, creating the key and any missing key above it. An empty text is
// stored as one blank. True when the value was written.
bool WriteRegString(registry::HKEY hKeyRoot, const std::string& strKeyName,
                    const std::string& strValueName, const std::string& strValue);
