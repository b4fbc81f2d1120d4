#include "platform/registry/Hive.h"

#include <algorithm>
#include <utility>

namespace registry {
namespace {

char Fold(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// The path of the key above; "" for a key at the top.
std::string_view ParentOf(std::string_view strPath) {
  const std::size_t pos = strPath.rfind('\\');
  return pos == std::string_view::npos ? std::string_view() : strPath.substr(0, pos);
}

std::string_view LastName(std::string_view strPath) {
  const std::size_t pos = strPath.rfind('\\');
  return pos == std::string_view::npos ? strPath : strPath.substr(pos + 1);
}

bool IsRemoved(const std::vector<bool>& removed, std::size_t pos) {
  return !removed.empty() && removed[pos];
}

void MarkRemoved(std::vector<bool>& removed, std::size_t cItems, std::size_t pos) {
  if (removed.empty()) removed.resize(cItems, false);
  removed[pos] = true;
}

}  // namespace

bool NamesEqual(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Fold(x) == Fold(y); });
}

std::size_t NameHash::operator()(std::string_view strName) const {
  // FNV-1a over the folded bytes.
  std::uint64_t hash = 14695981039346656037ull;
  for (const char ch : strName) {
    hash ^= static_cast<unsigned char>(Fold(ch));
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

const std::vector<HiveValue>& HiveKey::Values() const {
  Sweep();
  return values_;
}

std::size_t HiveKey::Position(std::string_view strName) const {
  if (values_.size() >= kIndexedFrom) {
    const auto it = index_.find(strName);
    return it == index_.end() ? values_.size() : it->second;
  }
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (!IsRemoved(removed_, i) && NamesEqual(values_[i].strName, strName)) return i;
  }
  return values_.size();
}

const HiveValue* HiveKey::FindValue(std::string_view strName) const {
  const std::size_t pos = Position(strName);
  return pos < values_.size() ? &values_[pos] : nullptr;
}

HiveValue* HiveKey::FindValue(std::string_view strName) {
  return const_cast<HiveValue*>(std::as_const(*this).FindValue(strName));
}

void HiveKey::SetValue(HiveValue value) {
  if (HiveValue* existing = FindValue(value.strName)) {
    existing->dwType = value.dwType;
    existing->data = std::move(value.data);
    return;
  }
  values_.push_back(std::move(value));
  if (!removed_.empty()) removed_.push_back(false);
  if (values_.size() == kIndexedFrom) {
    for (std::size_t i = 0; i < values_.size(); ++i) {
      if (!IsRemoved(removed_, i)) index_.emplace(values_[i].strName, i);
    }
  } else if (values_.size() > kIndexedFrom) {
    index_.emplace(values_.back().strName, values_.size() - 1);
  }
}

bool HiveKey::DeleteValue(std::string_view strName) {
  const std::size_t pos = Position(strName);
  if (pos == values_.size()) return false;
  if (values_.size() >= kIndexedFrom) index_.erase(index_.find(strName));
  MarkRemoved(removed_, values_.size(), pos);
  return true;
}

void HiveKey::Sweep() const {
  if (removed_.empty()) return;
  std::vector<HiveValue> kept;
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (!removed_[i]) kept.push_back(std::move(values_[i]));
  }
  values_ = std::move(kept);
  removed_.clear();
  index_.clear();
  if (values_.size() >= kIndexedFrom) {
    for (std::size_t i = 0; i < values_.size(); ++i) index_.emplace(values_[i].strName, i);
  }
}

const std::vector<HiveKey>& Hive::Keys() const {
  Sweep();
  return keys_;
}

const HiveKey* Hive::FindKey(std::string_view strPath) const {
  const auto it = index_.find(strPath);
  return it == index_.end() ? nullptr : &keys_[it->second];
}

HiveKey* Hive::FindKey(std::string_view strPath) {
  return const_cast<HiveKey*>(std::as_const(*this).FindKey(strPath));
}

HiveKey& Hive::Append(std::string_view strPath) {
  const std::size_t pos = keys_.size();
  keys_.emplace_back(std::string(strPath));
  if (!removed_.empty()) removed_.push_back(false);
  Index(pos);
  return keys_.back();
}

HiveKey& Hive::CreateKey(std::string_view strPath) {
  if (HiveKey* key = FindKey(strPath)) return *key;
  // The missing keys from the key upwards, down to the first level below the root (the root
  // itself is no key of the file).
  std::vector<std::string_view> missing{strPath};
  for (std::string_view strLevel = ParentOf(strPath);
       strLevel.find('\\') != std::string_view::npos && FindKey(strLevel) == nullptr;
       strLevel = ParentOf(strLevel)) {
    missing.push_back(strLevel);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) Append(*it);
  return keys_.back();
}

bool Hive::DeleteKeyTree(std::string_view strPath) {
  bool blnRemoved = false;
  if (const auto it = index_.find(strPath); it != index_.end()) {
    MarkRemoved(removed_, keys_.size(), it->second);
    index_.erase(it);
    blnRemoved = true;
  }
  // The keys below, level by level; each list of keys below a key is walked once, as it goes
  // with its key.
  std::vector<std::string_view> pending{strPath};
  while (!pending.empty()) {
    const auto it = children_.find(pending.back());
    pending.pop_back();
    if (it == children_.end()) continue;
    const std::vector<std::size_t> below = std::move(it->second);
    children_.erase(it);
    for (const std::size_t pos : below) {
      if (IsRemoved(removed_, pos)) continue;
      const std::string_view strChild = keys_[pos].Path();
      if (const auto child = index_.find(strChild); child != index_.end()) index_.erase(child);
      MarkRemoved(removed_, keys_.size(), pos);
      pending.push_back(strChild);
      blnRemoved = true;
    }
  }
  return blnRemoved;
}

std::vector<std::string> Hive::SubKeyNames(std::string_view strPath) const {
  std::vector<std::string> names;
  const auto it = children_.find(strPath);
  if (it == children_.end()) return names;
  for (const std::size_t pos : it->second) {
    if (!IsRemoved(removed_, pos)) names.emplace_back(LastName(keys_[pos].Path()));
  }
  return names;
}

void Hive::Compact() {
  Sweep();
  for (const HiveKey& key : keys_) key.Values();
}

void Hive::Sweep() const {
  if (removed_.empty()) return;
  std::vector<HiveKey> kept;
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (!removed_[i]) kept.push_back(std::move(keys_[i]));
  }
  keys_ = std::move(kept);
  removed_.clear();
  index_.clear();
  children_.clear();
  for (std::size_t pos = 0; pos < keys_.size(); ++pos) Index(pos);
}

void Hive::Index(std::size_t pos) const {
  const std::string& strPath = keys_[pos].Path();
  index_.emplace(strPath, pos);
  if (const std::string_view strParent = ParentOf(strPath); !strParent.empty()) {
    auto it = children_.find(strParent);
    if (it == children_.end()) it = children_.emplace(strParent, std::vector<std::size_t>()).first;
    it->second.push_back(pos);
  }
}

}  // namespace registry
