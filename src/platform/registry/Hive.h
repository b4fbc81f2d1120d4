#pragma once
// The keys and values of one registry file in memory, in the order the file holds them.
// Key paths start with the root ("HKEY_CURRENT_USER\Software\…"); names of keys and values are
// compared without regard to letter case, as Windows compares them.
//
// Keys, the keys directly below a key, and the values of a key with many values are found
// through indexes, and removing leaves a mark that is swept out when the whole list is next
// asked for: reading a file of any size into a hive takes time in proportion to its size.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace registry {

struct HiveValue {
  std::string strName;  // "" for the key's default value
  std::uint32_t dwType = 0;
  std::vector<std::uint8_t> data;  // as stored: text types in UTF-16LE
};

// True when the two names are equal apart from letter case.
bool NamesEqual(std::string_view a, std::string_view b);

// Hashes and compares names apart from letter case; looks up by std::string_view as well.
struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view strName) const;
};
struct NameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return NamesEqual(a, b); }
};
template <class T>
using NameMap = std::unordered_map<std::string, T, NameHash, NameEqual>;

class HiveKey {
 public:
  explicit HiveKey(std::string strPath) : strPath_(std::move(strPath)) {}

  const std::string& Path() const { return strPath_; }

  // The values in stored order.
  const std::vector<HiveValue>& Values() const;

  const HiveValue* FindValue(std::string_view strName) const;
  HiveValue* FindValue(std::string_view strName);
  // Replaces the value of the same name where it stands, or appends the value.
  void SetValue(HiveValue value);
  bool DeleteValue(std::string_view strName);

 private:
  // Below this many values a key is searched from the start; from it on through index_.
  static constexpr std::size_t kIndexedFrom = 16;

  std::size_t Position(std::string_view strName) const;  // values_.size() when missing
  void Sweep() const;

  std::string strPath_;
  mutable std::vector<HiveValue> values_;
  mutable std::vector<bool> removed_;   // empty while no value was removed
  mutable NameMap<std::size_t> index_;  // name → position, for keys of many values
};

class Hive {
 public:
  // The keys in stored order.
  const std::vector<HiveKey>& Keys() const;

  const HiveKey* FindKey(std::string_view strPath) const;
  HiveKey* FindKey(std::string_view strPath);

  // Creates the key and every missing key above it (not the root itself).
  HiveKey& CreateKey(std::string_view strPath);

  // Removes the key and every key below it. False when it did not exist.
  bool DeleteKeyTree(std::string_view strPath);

  // The names of the keys directly below strPath, in stored order.
  std::vector<std::string> SubKeyNames(std::string_view strPath) const;

  // Sweeps out what was removed. Afterwards reading the hive changes nothing in it, so that
  // one hive can be read from several threads.
  void Compact();

 private:
  HiveKey& Append(std::string_view strPath);
  void Index(std::size_t pos) const;  // enters the key at pos into index_ and children_
  void Sweep() const;

  mutable std::vector<HiveKey> keys_;
  mutable std::vector<bool> removed_;  // empty while no key was removed
  // Key path → position; the parent's path → positions of the keys directly below it (removed
  // ones included until the next sweep).
  mutable NameMap<std::size_t> index_;
  mutable NameMap<std::vector<std::size_t>> children_;
};

}  // namespace registry
