#!/bin/sh
# with_openbox.sh PROGRAM [ARGUMENT...]: runs the program under the window manager openbox on
# the X server of DISPLAY (started by xvfb-run), so that its windows show with title bars and
# frames as on a desktop; without openbox the program runs alone. The exit status is the
# program's.
if command -v openbox >/dev/null 2>&1; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  # Until the window manager has taken the screen (at most about five seconds).
  for _ in $(seq 50); do
    if command -v xprop >/dev/null 2>&1; then
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    fi
    sleep 0.1
  done
fi
"$@"
status=$?
[ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
exit $status
