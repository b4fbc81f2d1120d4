#pragma once
// The stages of a save, told to whoever wants to know where its time goes (a benchmark): the
// hook is called with the name of each stage as it begins, and with an empty name when the save
// is over, whether it succeeded or failed. Without a hook a save tells nobody.
//
//   .xls    "view", "strings and styles", "records", "compound file", "flush and rename"
//   .xlsx   "view", "styles", "parts (xml and deflate)", "zip archive", "flush and rename"

#include <functional>
#include <string_view>

namespace excel {

using SaveStageHook = std::function<void(std::string_view strStage)>;

// Tells hook (when there is one) that strStage begins.
inline void BeginSaveStage(const SaveStageHook& hook, std::string_view strStage) {
  if (hook) hook(strStage);
}

}  // namespace excel
