#!/usr/bin/env bash
# Runs a program on the X server of $DISPLAY (as xvfb-run gives it) under openbox, as a desktop
# runs it: windows get their frames and title bars, and dialogs open where a window manager
# puts them. Without openbox the program runs on the bare server. Exit status: the program's.
#
#     xvfb-run -a -s "-screen 0 1600x1000x24" with_window_manager.sh PROGRAM [ARGUMENTS...]

wm=
if command -v openbox >/dev/null 2>&1; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  # Until openbox has taken the screen (it names itself on the root window), at most 5 s.
  for _ in $(seq 50); do
    if command -v xprop >/dev/null 2>&1; then
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    fi
    sleep 0.1
  done
fi
"$@"
rc=$?
if [ -n "$wm" ]; then
  kill "$wm" 2>/dev/null
  wait "$wm" 2>/dev/null
fi
exit "$rc"
