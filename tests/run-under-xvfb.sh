#!/usr/bin/env bash
# Runs a command against a real X server (Xvfb) with a window manager (openbox),
# so that windows are activated and focus moves as on a user's desktop.
set -u
# Without the desktop's tools the run is skipped (exit code 77 for ctest).
for tool in Xvfb openbox xdpyinfo xprop; do
  command -v "$tool" >/dev/null || {
    echo "skipped: '$tool' is missing (scripts/setup.sh installs xvfb, openbox, x11-utils)" >&2
    exit 77
  }
done
for n in $(seq 90 140); do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
# Windows mapped before the window manager has taken over the screen are never
# activated; wait until it announces itself on the root window (a fixed pause
# was too short on a busy machine).
for _ in $(seq 100); do
  xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
DISPLAY=$display QT_QPA_PLATFORM=xcb "$@"
status=$?
kill "$wm" "$xvfb" 2>/dev/null
wait 2>/dev/null
exit $status
