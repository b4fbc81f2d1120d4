#!/usr/bin/env bash
# Sets up the machine, builds the test build (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test. The test of the Debian package, which packs the
# release build of scripts/setup.sh (build/release, made or brought up to date first), runs last
# and alone (ctest label "package"); further arguments go to both ctest runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The desktop's tests draw their widgets without a screen; the screenshots take a virtual one.
export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir build/test --output-on-failure -j"$(nproc)" -LE package "$@" || status=$?
ctest --test-dir build/test --output-on-failure -L package --no-tests=ignore "$@" || status=$?
exit "$status"
