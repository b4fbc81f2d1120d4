#pragma once
// Opening the information dialog's web links in the user's browser.

#include <string>

namespace basMail {

// Opens the address in the user's default browser. An address whose first four characters
// are not "http" in any letter case gets "http://" in front. Failures are ignored; the
// result is always true.
bool OpenLink(const std::string& strAddress);

}  // namespace basMail
