#pragma once
// The translation catalog (GNU gettext, domain "quorvan"): every text a user reads goes through
// it. The German text is the key and stays what the program shows when no catalog of the
// process's language is found, so German needs no catalog of its own.
//
//     _("Fertig")                        the text in the process's language
//     N_("Fertig")                       marks a text kept in a table; translate it where it is
//                                        shown, with _(), once per run where it is repeated
//     P_("{} Vorgang", "{} Vorgänge", n) singular or plural by n
//     NP_("{} Vorgang", "{} Vorgänge")   marks such a pair where it is kept, for P_ at use
//
// Texts with values use fmt's "{}" and go through catalog::Format (Format.h). xgettext finds
// the marked texts with --keyword=_ --keyword=N_ --keyword=P_:1,2 --keyword=NP_:1,2
// (scripts/check_catalog.py).

namespace catalog {

enum class Language { German, English };

// The text of msgid in the process's language (msgid itself in German). The pointer stays
// valid for the life of the process.
const char* Text(const char* msgid) noexcept;
const char* Plural(const char* singular, const char* plural, unsigned long n) noexcept;

// The language the environment asks for, read as gettext reads it: LANGUAGE (a list, the first
// of German or English in it), else the first set of LC_ALL, LC_MESSAGES and LANG. German
// wherever none of them names English; LANGUAGE is honoured in the "C" locale too.
Language LanguageFrom(const char* language, const char* lcAll, const char* lcMessages,
                      const char* lang);
Language EnvironmentLanguage();

// Sets the process's messages locale from the environment and uses the language it asks for.
// Each program calls it once at its start (the desktop after QApplication, which sets the
// locale again).
void Start();
// Uses lang from now on: finds the installed catalogs (or the build tree's) and points gettext
// at them. Not thread-safe: at the start of a process or of a test.
void Use(Language lang);
Language Current() noexcept;

}  // namespace catalog

#define _(msgid) ::catalog::Text(msgid)
#define N_(msgid) msgid
#define P_(singular, plural, n) ::catalog::Plural(singular, plural, n)
#define NP_(singular, plural) singular, plural
