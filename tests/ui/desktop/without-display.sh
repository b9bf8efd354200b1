#!/bin/sh
# Starts the program ($1) with no display at all: it must say in one line that it needs a
# graphical session, name the way to try it headless, and end with a failure status.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
printf '%s\n' "$out"
[ "$status" -ne 0 ] || { echo "FAIL: exit status 0"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "FAIL: not one line"; exit 1; }
printf '%s' "$out" | grep -q 'needs a graphical session.*xvfb-run' || { echo "FAIL: no hint"; exit 1; }
