#include "addin/basProjectTools.h"

#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/catalog/Catalog.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/msproject/Application.h"
#include "platform/vb/OnError.h"

namespace {

void Report(bool blnReport, const char* strMessage, const std::string& strTitle) {
  if (blnReport) forms::MsgBox(_(strMessage), forms::vbExclamation + forms::vbOKOnly, strTitle);
}

// True when two items of the collection that are not blank rows share a key but not their
// unique ID. One pass with an index of the first unique ID per key: the same answer as
// comparing every pair, without the quadratic time on large plans.
template <class Collection, class Key>
bool HasDuplicates(const Collection& col, Key key) {
  std::unordered_map<std::string, std::int32_t> firstUniqueId;
  firstUniqueId.reserve(static_cast<std::size_t>(col.Count()));
  for (const auto* item : col) {
    if (item == nullptr) continue;
    const auto [it, blnNew] = firstUniqueId.emplace(key(*item), item->UniqueID());
    if (!blnNew && it->second != item->UniqueID()) return true;
  }
  return false;
}

}  // namespace

bool CheckProjectOpen(msproject::Application& objApplication, bool blnReport,
                      const std::string& strTitle) {
  const bool blnOpen =
      vb::TryRead([&] { return objApplication.ActiveProject().Name(); }).has_value();
  if (!blnOpen) Report(blnReport, addin::kMsgNoProject, strTitle);
  return blnOpen;
}

bool CheckResourcesExist(msproject::Application& objApplication, bool blnReport,
                         const std::string& strTitle) {
  const auto count =
      vb::TryRead([&] { return objApplication.ActiveProject().Resources().Count(); });
  const bool blnExist = count.value_or(0) != 0;
  if (!blnExist) Report(blnReport, addin::kMsgNoResources, strTitle);
  return blnExist;
}

bool CheckTasksExist(msproject::Application& objApplication, bool blnReport,
                     const std::string& strTitle) {
  const auto count = vb::TryRead([&] { return objApplication.ActiveProject().Tasks().Count(); });
  const bool blnExist = count.value_or(0) != 0;
  if (!blnExist) Report(blnReport, addin::kMsgNoTasks, strTitle);
  return blnExist;
}

bool HasDuplicateResourceNames(msproject::Application& objApplication, bool blnReport,
                               const std::string& strTitle) {
  const auto blnFound = vb::TryRead([&] {
    return HasDuplicates(objApplication.ActiveProject().Resources(),
                         [](const msproject::Resource& r) { return r.Name(); });
  });
  const bool blnDuplicates = blnFound.value_or(false);
  if (blnDuplicates) Report(blnReport, addin::kMsgDuplicateResourceNames, strTitle);
  return blnDuplicates;
}

bool HasDuplicateWbsCodes(msproject::Application& objApplication, bool blnReport,
                          const std::string& strTitle) {
  const auto blnFound = vb::TryRead([&] {
    return HasDuplicates(objApplication.ActiveProject().Tasks(),
                         [](const msproject::Task& t) { return t.WBS(); });
  });
  const bool blnDuplicates = blnFound.value_or(false);
  if (blnDuplicates) Report(blnReport, addin::kMsgDuplicateWbsCodes, strTitle);
  return blnDuplicates;
}
