#!/usr/bin/env bash
# The Debian package as a machine that installs it gets it: scripts/package.sh builds it, it is
# unpacked into a scratch root (dpkg -x), it holds the manual pages in German and English, and
# the installed programs run from there: the version of both, the example plan's chart as the
# README makes it (read back by xlrd), and its PDF.
# lintian must report no error; its report is kept in REPORT_DIR/lintian.txt.
#   package_test.sh SOURCE_DIR VERSION BUILT_QUORVAN SCRATCH REPORT_DIR
# (VERSION: the project's; BUILT_QUORVAN: the quorvan of the running build, whose --version the
# installed programs must print too.)
set -euo pipefail
source_dir=$1 version=$2 built_quorvan=$3 scratch=$4 report_dir=$5

fail() {
  echo "$*" >&2
  exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch" "$report_dir"
# The package comes from its own release build, whatever build runs this test.
env -u ASAN_OPTIONS -u UBSAN_OPTIONS -u LSAN_OPTIONS "$source_dir/scripts/package.sh" \
  "$scratch/deb" >/dev/null
deb=$scratch/deb/quorvan_${version}_amd64.deb
[ -f "$deb" ] || fail "kein Paket $(basename "$deb"): $(ls "$scratch/deb")"

# dpkg-shlibdeps found the packages of the linked libraries; the icon theme is named.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6widgets6 libzip4 libpugixml1v5 libgsf-1-114 adwaita-icon-theme; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends nennt $lib nicht: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
for f in usr/bin/quorvan usr/bin/quorvan-gui usr/share/applications/quorvan.desktop \
         usr/share/icons/hicolor/scalable/apps/quorvan.svg usr/share/man/man1/quorvan.1.gz \
         usr/share/man/man1/quorvan-gui.1.gz usr/share/doc/quorvan/copyright \
         usr/share/doc/quorvan/changelog.gz usr/share/locale/en/LC_MESSAGES/quorvan.mo \
         usr/share/quorvan/manual/index.html usr/share/quorvan/manual/bilder/vorschau.png; do
  [ -f "$root/$f" ] || fail "das Paket enthält $f nicht"
done
# The manual pages in both languages: German in man1, English in en/man1.
for page in quorvan quorvan-gui; do
  zgrep -q '^\.SH BEZEICHNUNG' "$root/usr/share/man/man1/$page.1.gz" ||
    fail "das Paket enthält keine deutsche Handbuchseite $page.1"
  zgrep -q '^\.SH NAME' "$root/usr/share/man/en/man1/$page.1.gz" ||
    fail "das Paket enthält keine englische Handbuchseite $page.1"
done
# The programs are the release build's, not a sanitized one.
if nm -D "$root/usr/bin/quorvan" | grep -q __asan_init; then
  fail "quorvan im Paket ist mit AddressSanitizer gebaut"
fi

expected=$("$built_quorvan" --version)
for program in quorvan quorvan-gui; do
  printed=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --version)
  [ "$printed" = "$expected" ] || fail "$program --version: „$printed“ statt „$expected“"
done

# The README's first command, with the installed program and a registry file of its own.
work=$scratch/work
mkdir -p "$work"
cp "$source_dir/examples/Markteinfuehrung.xml" "$work/"
run() {
  (cd "$work" && QUORVAN_REGISTRY="$work/HKCU.reg" "$root/usr/bin/quorvan" "$@" 2>"$work/stderr") ||
    fail "quorvan $* scheiterte: $(cat "$work/stderr")"
}
run Markteinfuehrung.xml
# The installed program finds the installed English catalog, beside it.
english=$(LC_ALL=C LANGUAGE=en "$root/usr/bin/quorvan" --help)
grep -q "Shows this help" <<<"$english" || fail "quorvan --help ist mit LANGUAGE=en nicht englisch"
# The system's Python, which has the readers of scripts/setup.sh.
/usr/bin/python3 - "$work/Markteinfuehrung.xml" "$work/Markteinfuehrung.xls" <<'PY' ||
import sys, xlrd
import xml.etree.ElementTree as ET
ns = {"p": "http://schemas.microsoft.com/project"}
plan = ET.parse(sys.argv[1]).getroot()
tasks = {t.findtext("p:Name", "", ns) for t in plan.iterfind("p:Tasks/p:Task", ns)
         if t.findtext("p:ID", "", ns) != "0"} - {""}
resources = {r.findtext("p:Name", "", ns) for r in plan.iterfind("p:Resources/p:Resource", ns)
             if r.findtext("p:ID", "", ns) != "0"} - {""}
book = xlrd.open_workbook(sys.argv[2])
sheet = book.sheet_by_index(0)
cells = {str(sheet.cell_value(r, c)) for r in range(sheet.nrows) for c in range(sheet.ncols)}
missing = (tasks | resources) - cells
assert book.nsheets == 1 and tasks and resources and not missing, sorted(missing)
PY
  fail "das Diagramm hat nicht jeden Vorgang und jede Ressource des Plans (xlrd)"
# The print needs Qt's offscreen platform from the system's Qt.
run Markteinfuehrung.xml --pdf Markteinfuehrung.pdf
pdfinfo "$work/Markteinfuehrung.pdf" | grep -q '^Pages: *1$' || fail "das PDF hat nicht eine Seite"

lintian --info "$deb" >"$report_dir/lintian.txt" 2>&1 && verdict=0 || verdict=$?
grep -E '^(E|W):' "$report_dir/lintian.txt" || true
[ "$verdict" -eq 0 ] || fail "lintian meldet Fehler (Bericht: $report_dir/lintian.txt)"
