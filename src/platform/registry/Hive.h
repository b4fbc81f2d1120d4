#pragma once
// The keys and values of one registry file in memory, in the order the file holds them.
// Key paths start with the root ("HKEY_CURRENT_USER\Software\…"); names of keys and values are
// compared without regard to letter case, as Windows compares them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace registry {

struct HiveValue {
  std::string strName;  // "" for the key's default value
  std::uint32_t dwType = 0;
  std::vector<std::uint8_t> data;  // as stored: text types in UTF-16LE
};

struct HiveKey {
  std::string strPath;
  std::vector<HiveValue> values;

  const HiveValue* FindValue(std::string_view strName) const;
  HiveValue* FindValue(std::string_view strName);
  void SetValue(HiveValue value);
  bool DeleteValue(std::string_view strName);
};

// True when the two names are equal apart from letter case.
bool NamesEqual(std::string_view a, std::string_view b);

class Hive {
 public:
  const std::vector<HiveKey>& Keys() const { return keys_; }

  const HiveKey* FindKey(std::string_view strPath) const;
  HiveKey* FindKey(std::string_view strPath);

  // Creates the key and every missing key above it (not the root itself).
  HiveKey& CreateKey(std::string_view strPath);

  // Removes the key and every key below it. False when it did not exist.
  bool DeleteKeyTree(std::string_view strPath);

  // The names of the keys directly below strPath, in stored order, without repeats.
  std::vector<std::string> SubKeyNames(std::string_view strPath) const;

 private:
  std::vector<HiveKey> keys_;
};

}  // namespace registry
