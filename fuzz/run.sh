#!/usr/bin/env bash
# Runs one fuzz target of build/fuzz (scripts/setup.sh --fuzz builds them) on its seeds and
# dictionary. What it finds beyond the seeds is kept in build/fuzz/corpus/TARGET, crashes as
# build/fuzz/crashes/TARGET/crash-…; further libFuzzer options are passed on.
#
#   fuzz/run.sh registry_file -max_total_time=1800
#   fuzz/run.sh TARGET crash-FILE        runs the target once on a found input
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A folders=([plan_reader]=platform/msproject [mpp_file]=platform/msproject/mpp
                    [mpx_text]=platform/msproject/mpx [registry_file]=platform/registry
                    [a1_reference]=platform/excel [numbers]=system/wizard
                    [command_line]=frontend/cli)
# Real files of the test data as further seeds.
declare -A dataSeeds=([mpp_file]="tests/data/mpp/*.mpp" [mpx_text]="tests/data/mpp/*.mpx")
target="${1:-}"
if [ -z "$target" ] || [ -z "${folders[$target]:-}" ]; then
  echo "Aufruf: fuzz/run.sh ZIEL [libFuzzer-Optionen …]; Ziele: ${!folders[*]}" >&2
  exit 2
fi
shift
binary="build/fuzz/fuzz/${folders[$target]}/fuzz_$target"
if [ ! -x "$binary" ]; then
  echo "$binary fehlt: zuerst scripts/setup.sh --fuzz ausführen." >&2
  exit 1
fi
dict=$(ls "fuzz/${folders[$target]}"/*.dict 2>/dev/null | head -n 1 || true)
corpus="build/fuzz/corpus/$target"
crashes="build/fuzz/crashes/$target"
mkdir -p "$corpus" "$crashes"
seeds=()
[ -d "fuzz/corpus/$target" ] && seeds+=("fuzz/corpus/$target")
if [ -n "${dataSeeds[$target]:-}" ]; then
  mkdir -p "build/fuzz/seeds/$target"
  cp $(eval echo "${dataSeeds[$target]}") "build/fuzz/seeds/$target/"
  seeds+=("build/fuzz/seeds/$target")
fi
# A file as the only argument: run it once.
if [ $# -eq 1 ] && [ -f "$1" ]; then exec "$binary" "$1"; fi
exec "$binary" ${dict:+-dict="$dict"} -artifact_prefix="$crashes/" "$@" "$corpus" "${seeds[@]}"
