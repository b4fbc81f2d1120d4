#include "chart/clsQuorvan.h"

#include "platform/msproject/Application.h"
#include "platform/vb/Error.h"
#include "wizard/Globals.h"

namespace {

msproject::Project& ActiveProjectOfHost() {
  if (gobjApplication == nullptr) {
    throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich");
  }
  return gobjApplication->ActiveProject();
}

}  // namespace

clsQuorvan::clsQuorvan() : objProject(ActiveProjectOfHost()) {}

std::vector<std::string> clsQuorvan::SplitToCollection(const std::string& strText,
                                                       const std::string& strSeparator) {
  // An empty separator would be found everywhere and never advance; it splits nothing.
  if (strSeparator.empty() || strText.find(strSeparator) == std::string::npos) {
    return {strText};
  }
  std::vector<std::string> colParts;
  std::string::size_type lngStart = 0;
  for (auto lngAt = strText.find(strSeparator); lngAt != std::string::npos;
       lngAt = strText.find(strSeparator, lngStart)) {
    colParts.push_back(strText.substr(lngStart, lngAt - lngStart));
    lngStart = lngAt + strSeparator.size();
  }
  if (lngStart < strText.size()) colParts.push_back(strText.substr(lngStart));
  return colParts;
}
