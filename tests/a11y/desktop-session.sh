#!/usr/bin/env bash
# Runs a command on a desktop of its own, as a screen reader user's session
# has it: an X server (Xvfb) with a window manager (openbox), a D-Bus session
# bus, and the accessibility bus on which programs and screen readers meet.
# Usage: desktop-session.sh command [arguments...]
# Each run takes a display number of its own, so runs may go side by side.
set -u
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = "--inside-bus" ]; then
  # Second stage, inside the D-Bus session: the accessibility bus, then the command.
  shift
  launcher=""
  for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
  done
  [ -n "$launcher" ] || { echo "desktop-session: at-spi-bus-launcher not found (package at-spi2-core)" >&2; exit 2; }
  "$launcher" --launch-immediately >/dev/null 2>&1 &
  bus=$!
  up=""
  for _ in $(seq 100); do
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1; then up=1; break; fi
    sleep 0.1
  done
  [ -n "$up" ] || { echo "desktop-session: the accessibility bus did not start" >&2; kill "$bus"; exit 2; }
  "$@"
  status=$?
  kill "$bus" 2>/dev/null
  wait "$bus" 2>/dev/null
  exit $status
fi

work=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "desktop-session: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 2; }
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"

# Without a window manager windows are never activated and the focus never moves.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  { echo "desktop-session: openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 2; }

unset QT_QPA_PLATFORM
dbus-run-session -- "$here/desktop-session.sh" --inside-bus "$@"
