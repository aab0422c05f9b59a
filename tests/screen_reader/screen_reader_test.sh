#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs screen_reader_test.py against the built program as a screen reader
# meets it: on a display of its own (Xvfb, 1280 × 1024), in a private D-Bus
# session with the desktop's accessibility bus, keys through the X server.
# Skips (77) only where the display or the bus cannot start.
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
for tool in Xvfb xdotool dbus-run-session /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run tools/setup.sh"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi: run tools/setup.sh"; exit 1; }
[ -e /usr/libexec/at-spi-bus-launcher ] || { echo "missing at-spi2-core: run tools/setup.sh"; exit 1; }

work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display and writes its number when it is ready.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "SKIPPED: the X display (Xvfb) cannot start here:"; cat "$work/xvfb.log"; exit 77
fi
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
if ! dbus-run-session -- true 2>"$work/dbus.log"; then
  echo "SKIPPED: a private D-Bus session cannot start here:"; cat "$work/dbus.log"; exit 77
fi
exec 4>&2
set +e
dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$program" "$work" 2> >(grep -v 'fd limit' >&4)
status=$?
set -e
exit "$status"
