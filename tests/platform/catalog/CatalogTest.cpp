// The catalog: the language read from the environment as gettext reads it, and the texts of the
// build tree's English catalog (po/en.po made by msgfmt), German without any.

#include <gtest/gtest.h>

#include <string>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"

namespace {

using catalog::Language;

struct Environment {
  const char* language;
  const char* lcAll;
  const char* lcMessages;
  const char* lang;
  Language expected;
};

TEST(CatalogTest, TheLanguageIsTheFirstOfGermanAndEnglishTheEnvironmentNames) {
  const Environment cases[] = {
      {nullptr, nullptr, nullptr, nullptr, Language::German},
      {"", "", "", "", Language::German},
      {nullptr, nullptr, nullptr, "en_US.UTF-8", Language::English},
      {nullptr, nullptr, nullptr, "de_DE.UTF-8", Language::German},
      {nullptr, nullptr, nullptr, "fr_FR.UTF-8", Language::German},
      {nullptr, nullptr, nullptr, "C.UTF-8", Language::German},
      // LANGUAGE wins, in the "C" locale too, its first German or English entry.
      {"en", "C", nullptr, nullptr, Language::English},
      {"en_GB:de", nullptr, nullptr, "de_DE.UTF-8", Language::English},
      {"fr:de:en", nullptr, nullptr, "en_US.UTF-8", Language::German},
      {"fr", nullptr, nullptr, "en_US.UTF-8", Language::German},
      {"eng", nullptr, nullptr, nullptr, Language::German},
      // LC_ALL before LC_MESSAGES before LANG.
      {nullptr, "en_US.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", Language::English},
      {nullptr, "", "de_AT", "en_GB", Language::German},
      {"", nullptr, "en@quot", "de_DE", Language::English},
  };
  for (const Environment& env : cases) {
    EXPECT_EQ(catalog::LanguageFrom(env.language, env.lcAll, env.lcMessages, env.lang),
              env.expected)
        << (env.language ? env.language : "-") << " " << (env.lcAll ? env.lcAll : "-") << " "
        << (env.lcMessages ? env.lcMessages : "-") << " " << (env.lang ? env.lang : "-");
  }
}

class CatalogUseTest : public testing::Test {
 protected:
  void TearDown() override { catalog::Use(Language::German); }
};

TEST_F(CatalogUseTest, EnglishComesFromTheBuiltCatalogAndGermanIsTheTextItself) {
  catalog::Use(Language::English);
  EXPECT_EQ(catalog::Current(), Language::English);
  EXPECT_STREQ(_("Wird informiert"), "Informed");
  EXPECT_EQ(catalog::Format(_("Schritt {} von {}"), 2, 7), "Step 2 of 7");
  EXPECT_STREQ(P_("{} Vorgang", "{} Vorgänge", 1), "{} task");
  EXPECT_STREQ(P_("{} Vorgang", "{} Vorgänge", 3), "{} tasks");
  // A text the catalog does not hold, and the empty text (gettext's key of its header).
  EXPECT_STREQ(_("Kein Text des Katalogs"), "Kein Text des Katalogs");
  EXPECT_STREQ(_(""), "");

  catalog::Use(Language::German);
  EXPECT_STREQ(_("Wird informiert"), "Wird informiert");
  EXPECT_STREQ(P_("{} Vorgang", "{} Vorgänge", 1), "{} Vorgang");
  EXPECT_STREQ(P_("{} Vorgang", "{} Vorgänge", 0), "{} Vorgänge");
}

}  // namespace
