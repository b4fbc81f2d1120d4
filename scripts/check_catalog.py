#!/usr/bin/env python3
"""Checks the translation catalog against the texts of the code.

    scripts/check_catalog.py            fails when a marked text of src/ or apps/ is missing
                                        from po/quorvan.pot or has no English translation in
                                        po/en.po, when either lists a text the code no longer
                                        has, or when a translation's {} differ from its text's
    scripts/check_catalog.py --update   writes po/quorvan.pot from the code and merges it into
                                        po/en.po (new texts untranslated, to be filled in)

The texts are those marked with _(), N_(), P_() and NP_() (platform/catalog/Catalog.h), found by
xgettext.
"""

import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
POT = ROOT / "po" / "quorvan.pot"
LANGUAGES = ["en"]
KEYWORDS = ["--keyword=_", "--keyword=N_", "--keyword=P_:1,2", "--keyword=NP_:1,2",
            "--add-comments=TRANSLATORS:"]


def sources():
    files = []
    for folder in ("src", "apps"):
        for pattern in ("*.cpp", "*.h"):
            files += (ROOT / folder).rglob(pattern)
    return sorted(str(f.relative_to(ROOT)) for f in files)


def extract(out):
    run = subprocess.run(["xgettext", "--language=C++", "--from-code=UTF-8", *KEYWORDS,
                    "--package-name=Quorvan", "--msgid-bugs-address=support@tevrana.de",
                    "--add-location=file", "--sort-by-file", "--force-po", "-o", str(out),
                    *sources()], cwd=ROOT, check=True, stderr=subprocess.PIPE, text=True)
    # The message boxes break their lines as the desktop's boxes did, with "\r\n": on purpose.
    for line in run.stderr.splitlines():
        if "'\\r' escape sequence" not in line:
            print(line, file=sys.stderr)


def unquote(text):
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m.group(1), m.group(1)),
                  text)


def entries(path):
    """{(msgid, msgid_plural): ([msgstr, ...], fuzzy)} of the active entries of a .po file."""
    result = {}
    entry, key, fuzzy = {}, None, False

    def flush():
        nonlocal entry, fuzzy
        if "msgid" in entry and entry["msgid"] != "":
            strs = [entry[k] for k in sorted(k for k in entry if k.startswith("msgstr"))]
            result[(entry["msgid"], entry.get("msgid_plural"))] = (strs, fuzzy)
        entry, fuzzy = {}, False

    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if not line:
            flush()
            continue
        if line.startswith("#~"):
            continue
        if line.startswith("#,"):
            fuzzy = fuzzy or "fuzzy" in line
            continue
        if line.startswith("#"):
            continue
        m = re.match(r'^(msgid_plural|msgid|msgstr(?:\[\d+\])?)\s+"(.*)"$', line)
        if m:
            if m.group(1) == "msgid" and "msgid" in entry:
                flush()
            key = m.group(1)
            entry[key] = unquote(m.group(2))
        elif line.startswith('"') and key:
            entry[key] += unquote(line[1:-1])
    flush()
    return result


def placeholders(text):
    return sorted(re.findall(r"\{[^{}]*\}", text.replace("{{", "").replace("}}", "")))


def short(key):
    return repr(key[0] if len(key[0]) < 70 else key[0][:67] + "...")


def check(code):
    problems = []
    pot = entries(POT)
    for key in sorted(set(code) - set(pot)):
        problems.append(f"po/quorvan.pot: missing {short(key)}")
    for key in sorted(set(pot) - set(code)):
        problems.append(f"po/quorvan.pot: no longer in the code {short(key)}")
    for lang in LANGUAGES:
        po = ROOT / "po" / f"{lang}.po"
        translated = entries(po)
        for key in sorted(code):
            if key not in translated:
                problems.append(f"po/{lang}.po: missing {short(key)}")
                continue
            strs, fuzzy = translated[key]
            if fuzzy or not strs or any(s == "" for s in strs):
                problems.append(f"po/{lang}.po: not translated {short(key)}")
                continue
            for s in strs:
                if placeholders(s) != placeholders(key[0]):
                    problems.append(f"po/{lang}.po: other placeholders in {short(key)}")
        for key in sorted(set(translated) - set(code)):
            problems.append(f"po/{lang}.po: no longer in the code {short(key)}")
    return problems


def main():
    with tempfile.TemporaryDirectory() as tmp:
        fresh = pathlib.Path(tmp) / "quorvan.pot"
        extract(fresh)
        if "--update" in sys.argv[1:]:
            text = fresh.read_text(encoding="utf-8")
            POT.write_text(text, encoding="utf-8")
            for lang in LANGUAGES:
                po = ROOT / "po" / f"{lang}.po"
                subprocess.run(["msgmerge", "--quiet", "--update", "--backup=none",
                                "--no-fuzzy-matching", "--add-location=file", "--sort-by-file",
                                str(po), str(POT)], check=True, stderr=subprocess.DEVNULL)
            return 0
        problems = check(entries(fresh))
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} problems; scripts/check_catalog.py --update brings the catalogs "
              "up to date, then translate what is new in po/*.po")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
