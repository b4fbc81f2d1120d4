#!/usr/bin/env bash
# Builds the Debian package quorvan_VERSION_amd64.deb: a release build without sanitizers in
# build/package, with the hardening Debian builds its own packages with, installed and packed by
# CPack (cpack -G DEB); dpkg-shlibdeps finds the packages of the libraries it links.
#
#   scripts/package.sh [FOLDER]     the package goes to FOLDER (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build}
build=build/package

for tool in cmake ninja cpack dpkg-shlibdeps gzip; do
  command -v "$tool" >/dev/null || {
    echo "$tool fehlt; scripts/setup.sh installiert alles, was das Paket braucht." >&2
    exit 1
  }
done

hardening="-D_FORTIFY_SOURCE=2 -fstack-protector-strong"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVAN_TESTS=OFF \
  -DQUORVAN_BENCH=OFF -DCMAKE_C_FLAGS="$hardening" -DCMAKE_CXX_FLAGS="$hardening" \
  -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro -Wl,-z,now" >/dev/null
cmake --build "$build"
rm -f "$build"/quorvan_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/quorvan_*.deb)
mkdir -p "$out"
cp "$deb" "$out/"
echo "Paket erstellt: $out/$(basename "$deb")"
