#include "dialogs/basMail.h"

#include "platform/shell/ShellApi.h"
#include "platform/vb/OnError.h"

namespace basMail {

namespace {

std::string LCase(std::string strText) {
  for (char& c : strText) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return strText;
}

}  // namespace

bool OpenLink(const std::string& strAddress) {
  std::string strLink = strAddress;
  if (LCase(strLink.substr(0, 4)) != "http") strLink = "http://" + strLink;
  vb::TrySkip(
      [&] { shell::ShellExecuteA(0, "Open", strLink.c_str(), "", "", shell::SW_SHOWNORMAL); });
  return true;
}

}  // namespace basMail
