#!/usr/bin/env bash
# quorvan-gui opens the plan named on its command line: the wizard opens from the menu entry
# over it (without a plan the launch would report that no project is open).
#   command_line_test.sh QUORVAN_GUI PLAN
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
out=$(QT_QPA_PLATFORM=offscreen QUORVAN_REGISTRY="$dir/HKCU.reg" "$1" --diagnose-start "$2" 2>/dev/null)
printf '%s\n' "$out"
grep -q '^fenster ' <<<"$out"
grep -q '^assistent ' <<<"$out"
! grep -q '^meldung ' <<<"$out"
# The first start registered the add-in.
grep -q 'Quorvan.Connect' "$dir/HKCU.reg"
