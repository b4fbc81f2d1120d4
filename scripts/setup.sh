#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quorvan and builds it. Idempotent: packages already present are
# not installed again, and an existing build folder is only brought up to date.
#
#   scripts/setup.sh            release build of the two programs, quorvan and quorvan-gui, and
#                               their manual pages in build/release (no tests, no benchmarks)
#   scripts/setup.sh --test     test build (AddressSanitizer, UndefinedBehaviorSanitizer) in
#                               build/test: the programs and every test
#   scripts/setup.sh --bench    the release build with the benchmarks, in build/release
#   scripts/setup.sh --fuzz     libFuzzer targets (clang) in build/fuzz
set -euo pipefail
cd "$(dirname "$0")/.."

mode=release
case "${1:-}" in
  "" | --release) mode=release ;;
  --test) mode=test ;;
  --bench) mode=bench ;;
  --fuzz) mode=fuzz ;;
  *) echo "Aufruf: scripts/setup.sh [--release|--test|--bench|--fuzz]" >&2; exit 2 ;;
esac

packages=(
  build-essential cmake ninja-build pkg-config clang-format gettext mold
  libpugixml-dev libzip-dev zlib1g-dev libgsf-1-dev libfmt-dev libcli11-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libxlsxwriter-dev nlohmann-json3-dev
  python3 python3-openpyxl python3-xlrd
  libreoffice-calc-nogui poppler-utils fonts-liberation
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev xvfb xauth imagemagick
  openbox x11-utils adwaita-icon-theme
  fonts-dejavu-core desktop-file-utils
  clang-14 libclang-rt-14-dev
  dpkg-dev lintian file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# apt's output goes to a log file, shown only when apt fails.
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  mkdir -p build
  log=build/setup-apt.log
  noun=Debian-Pakete
  [ "${#missing[@]}" -eq 1 ] && noun=Debian-Paket
  echo "Installiere ${#missing[@]} $noun (Protokoll: $log): ${missing[*]}"
  if ! { apt-get update && apt-get install -y --no-install-recommends "${missing[@]}"; } \
    >"$log" 2>&1 </dev/null; then
    tail -n 40 "$log" >&2
    echo "Die Installation der Pakete ist gescheitert; das ganze Protokoll steht in $log." >&2
    exit 1
  fi
fi

case "$mode" in
  release)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVAN_TESTS=OFF \
      -DQUORVAN_BENCH=OFF >/dev/null
    cmake --build build/release --target quorvan quorvan-gui quorvan_docs
    ;;
  bench)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVAN_TESTS=OFF \
      -DQUORVAN_BENCH=ON >/dev/null
    cmake --build build/release
    ;;
  test)
    # Line tables only (-g1): the sanitizers' reports still name file and line, and the objects
    # the compiler and the linker write are a half to three quarters of those with full -g.
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVAN_SANITIZE=ON \
      -DQUORVAN_TESTS=ON -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1 >/dev/null
    cmake --build build/test
    ;;
  fuzz)
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DQUORVAN_FUZZ=ON >/dev/null
    cmake --build build/fuzz --target fuzz_all
    echo "Fuzz-Ziele gebaut; starten mit fuzz/run.sh ZIEL (siehe README)."
    ;;
esac
