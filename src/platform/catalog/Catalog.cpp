#include "platform/catalog/Catalog.h"

#include <libintl.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace catalog {

namespace {

constexpr const char* kDomain = "quorvan";

Language gLanguage = Language::German;

bool Named(std::string_view name, std::string_view code) {
  return name.substr(0, code.size()) == code &&
         (name.size() == code.size() || name[code.size()] == '_' || name[code.size()] == '.' ||
          name[code.size()] == '@');
}

bool Set(const char* value) {
  return value != nullptr && *value != '\0';
}

// The folder of the catalogs: the installed one beside the program (PREFIX/bin/quorvan,
// PREFIX/share/locale), else the build tree's, where the programs and the tests find them.
std::string LocaleFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const std::filesystem::path installed =
        exe.parent_path().parent_path() / QUORVAN_INSTALL_LOCALEDIR;
    if (std::filesystem::exists(installed / "en/LC_MESSAGES/quorvan.mo", ec)) {
      return installed.string();
    }
  }
  return QUORVAN_BUILD_LOCALEDIR;
}

}  // namespace

const char* Text(const char* msgid) noexcept {
  // gettext answers "" with the catalog's header.
  if (gLanguage == Language::German || *msgid == '\0') return msgid;
  return dgettext(kDomain, msgid);
}

const char* Plural(const char* singular, const char* plural, unsigned long n) noexcept {
  if (gLanguage == Language::German) return n == 1 ? singular : plural;
  return dngettext(kDomain, singular, plural, n);
}

Language LanguageFrom(const char* language, const char* lcAll, const char* lcMessages,
                      const char* lang) {
  if (Set(language)) {
    std::string_view list = language;
    while (!list.empty()) {
      const auto colon = list.find(':');
      const std::string_view name = list.substr(0, colon);
      if (Named(name, "de")) return Language::German;
      if (Named(name, "en")) return Language::English;
      list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    return Language::German;
  }
  for (const char* locale : {lcAll, lcMessages, lang}) {
    if (Set(locale)) return Named(locale, "en") ? Language::English : Language::German;
  }
  return Language::German;
}

Language EnvironmentLanguage() {
  return LanguageFrom(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                      std::getenv("LANG"));
}

void Start() {
  const Language lang = EnvironmentLanguage();
  std::setlocale(LC_MESSAGES, "");
  Use(lang);
}

void Use(Language lang) {
  if (lang == Language::English) {
    bindtextdomain(kDomain, LocaleFolder().c_str());
    bind_textdomain_codeset(kDomain, "UTF-8");
    // gettext translates nothing in the "C" locale, LANGUAGE or not; C.UTF-8 is on every
    // system and leaves the choice to LANGUAGE.
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    if (messages == nullptr || std::strcmp(messages, "C") == 0 ||
        std::strcmp(messages, "POSIX") == 0) {
      std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
  }
  // The catalog's language for gettext, and for the processes this one starts.
  setenv("LANGUAGE", lang == Language::English ? "en" : "de", 1);
  // Setting the locale again makes gettext forget the texts it looked up in another language.
  const std::string current = std::setlocale(LC_MESSAGES, nullptr);
  std::setlocale(LC_MESSAGES, current.c_str());
  gLanguage = lang;
}

Language Current() noexcept {
  return gLanguage;
}

}  // namespace catalog
