#!/usr/bin/env bash
# A manual page names exactly the options its program's --help lists, and man renders it
# without a warning.
#   manual_pages_test.sh PROGRAM PAGE [PROGRAM PAGE ...]
set -euo pipefail
status=0
while [ $# -ge 2 ]; do
  program=$1 page=$2
  shift 2
  name=$(basename "$page")
  help=$("$program" --help)
  # Long options as --help prints them; in the page they are written with escaped dashes.
  from_help=$({ grep -oE -- '--[a-z][a-z0-9-]*' <<<"$help" || true; } | sort -u)
  from_page=$({ grep -oE -- '\\-\\-[a-z]([a-z0-9]|\\-)*' "$page" || true; } |
    sed 's/\\-/-/g' | sort -u)
  missing=$(comm -23 <(echo "$from_help") <(echo "$from_page"))
  extra=$(comm -13 <(echo "$from_help") <(echo "$from_page"))
  if [ -n "$missing" ]; then
    echo "$name nennt nicht: $(echo $missing)" >&2
    status=1
  fi
  if [ -n "$extra" ]; then
    echo "$name nennt Optionen, die $(basename "$program") nicht kennt: $(echo $extra)" >&2
    status=1
  fi
  # Short options (-h, -o) stand alone, not as the end of an escaped "--".
  for short in $({ grep -oE -- '(^|[ ,])-[a-z],' <<<"$help" || true; } | tr -d ' ,'); do
    grep -qE -- "(^|[^-])\\\\${short}([^a-z]|\$)" "$page" ||
      { echo "$name nennt nicht: $short" >&2; status=1; }
  done
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null || true)
  if [ -n "$warnings" ]; then
    echo "man warnt bei $name:" >&2
    echo "$warnings" >&2
    status=1
  fi
done
exit "$status"
