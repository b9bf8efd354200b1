#!/usr/bin/env bash
# Runs a test program on a virtual X display with the openbox window manager, so that window
# frames and captions are the ones a user sees. Without Xvfb or openbox the program runs on the
# platform it was given and skips what needs a window manager.
set -u

if [ -z "${VORLENZA_UNDER_WM:-}" ]; then
  if command -v xvfb-run >/dev/null && command -v openbox >/dev/null; then
    export VORLENZA_UNDER_WM=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
  fi
  exec "$@"
fi

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager is up once it has named itself on the root window.
for _ in $(seq 1 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    break
  fi
  sleep 0.05
done

QT_QPA_PLATFORM=xcb "$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
