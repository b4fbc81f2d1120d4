#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs of it.
#   install_test.sh BUILD_DIR PREFIX
set -euo pipefail
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quorvan bin/quorvan-gui share/applications/quorvan.desktop \
         share/icons/hicolor/scalable/apps/quorvan.svg; do
  [ -f "$prefix/$f" ] || { echo "fehlt: $f" >&2; exit 1; }
done
# The manual, with every picture it names, where the program looks for it beside itself.
manual=$prefix/share/quorvan/manual
[ -f "$manual/index.html" ] || { echo "fehlt: share/quorvan/manual/index.html" >&2; exit 1; }
pictures=$(grep -o 'src="[^"]*"' "$manual/index.html" | sed 's/^src="//; s/"$//')
[ -n "$pictures" ] || { echo "das Handbuch nennt keine Bilder" >&2; exit 1; }
for picture in $pictures; do
  [ -f "$manual/$picture" ] || { echo "fehlt: share/quorvan/manual/$picture" >&2; exit 1; }
done
[ -x "$prefix/bin/quorvan-gui" ] || { echo "quorvan-gui ist nicht ausführbar" >&2; exit 1; }
desktop-file-validate "$prefix/share/applications/quorvan.desktop"
grep -qx 'Exec=quorvan-gui %f' "$prefix/share/applications/quorvan.desktop"
grep -qx 'Icon=quorvan' "$prefix/share/applications/quorvan.desktop"
# The installed program answers without a display, with the command line's version.
gui_version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/quorvan-gui" --version)
cli_version=$("$prefix/bin/quorvan" --version)
[ "$gui_version" = "$cli_version" ] ||
  { echo "quorvan-gui --version: „$gui_version“, quorvan --version: „$cli_version“" >&2; exit 1; }
