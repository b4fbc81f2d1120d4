#!/usr/bin/env bash
# Builds the Debian package quorvan_VERSION_amd64.deb from the release build in build/release (the
# one scripts/setup.sh makes, hardened as Debian builds its own packages): the two programs and
# their manual pages are brought up to date there, installed and packed by CPack (cpack -G DEB);
# dpkg-shlibdeps finds the packages of the libraries they link. Without build/release it is
# configured as scripts/setup.sh configures it; an existing one keeps its options.
#
#   scripts/package.sh [FOLDER]     the package goes to FOLDER (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build}
build=build/release

for tool in cmake ninja cpack dpkg-shlibdeps gzip; do
  command -v "$tool" >/dev/null || {
    echo "$tool fehlt; scripts/setup.sh installiert alles, was das Paket braucht." >&2
    exit 1
  }
done

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVAN_TESTS=OFF \
    -DQUORVAN_BENCH=OFF >/dev/null
fi
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
[ "$type" = Release ] || {
  echo "$build ist ein $type-Build; das Paket wird nur aus einem Release-Build gemacht." >&2
  exit 1
}
cmake --build "$build" --target quorvan quorvan-gui quorvan_docs
rm -f "$build"/quorvan_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/quorvan_*.deb)
mkdir -p "$out"
cp "$deb" "$out/"
echo "Paket erstellt: $out/$(basename "$deb")"
