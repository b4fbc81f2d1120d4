#include "platform/registry/Hive.h"

#include <algorithm>
#include <utility>

namespace registry {
namespace {

char Fold(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// True when strPath lies below strParent (at any depth).
bool IsBelow(std::string_view strPath, std::string_view strParent) {
  return strPath.size() > strParent.size() + 1 && strPath[strParent.size()] == '\\' &&
         NamesEqual(strPath.substr(0, strParent.size()), strParent);
}

}  // namespace

bool NamesEqual(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Fold(x) == Fold(y); });
}

const HiveValue* HiveKey::FindValue(std::string_view strName) const {
  for (const HiveValue& value : values) {
    if (NamesEqual(value.strName, strName)) return &value;
  }
  return nullptr;
}

HiveValue* HiveKey::FindValue(std::string_view strName) {
  return const_cast<HiveValue*>(std::as_const(*this).FindValue(strName));
}

void HiveKey::SetValue(HiveValue value) {
  if (HiveValue* existing = FindValue(value.strName)) {
    existing->dwType = value.dwType;
    existing->data = std::move(value.data);
  } else {
    values.push_back(std::move(value));
  }
}

bool HiveKey::DeleteValue(std::string_view strName) {
  const auto it = std::find_if(values.begin(), values.end(), [&](const HiveValue& value) {
    return NamesEqual(value.strName, strName);
  });
  if (it == values.end()) return false;
  values.erase(it);
  return true;
}

const HiveKey* Hive::FindKey(std::string_view strPath) const {
  for (const HiveKey& key : keys_) {
    if (NamesEqual(key.strPath, strPath)) return &key;
  }
  return nullptr;
}

HiveKey* Hive::FindKey(std::string_view strPath) {
  return const_cast<HiveKey*>(std::as_const(*this).FindKey(strPath));
}

HiveKey& Hive::CreateKey(std::string_view strPath) {
  // Every key from the first level below the root down to the key itself.
  std::size_t pos = strPath.find('\\');
  while (pos != std::string_view::npos) {
    pos = strPath.find('\\', pos + 1);
    const std::string_view strLevel = strPath.substr(0, pos);
    if (FindKey(strLevel) == nullptr) keys_.push_back(HiveKey{std::string(strLevel), {}});
  }
  if (HiveKey* key = FindKey(strPath)) return *key;
  keys_.push_back(HiveKey{std::string(strPath), {}});
  return keys_.back();
}

bool Hive::DeleteKeyTree(std::string_view strPath) {
  const auto before = keys_.size();
  std::erase_if(keys_, [&](const HiveKey& key) {
    return NamesEqual(key.strPath, strPath) || IsBelow(key.strPath, strPath);
  });
  return keys_.size() != before;
}

std::vector<std::string> Hive::SubKeyNames(std::string_view strPath) const {
  std::vector<std::string> names;
  for (const HiveKey& key : keys_) {
    if (!IsBelow(key.strPath, strPath)) continue;
    const std::string_view strRest = std::string_view(key.strPath).substr(strPath.size() + 1);
    const std::string strName(strRest.substr(0, strRest.find('\\')));
    const bool blnKnown = std::any_of(names.begin(), names.end(),
                                      [&](const std::string& n) { return NamesEqual(n, strName); });
    if (!blnKnown) names.push_back(strName);
  }
  return names;
}

}  // namespace registry
