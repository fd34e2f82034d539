#!/bin/sh
# Runs a test on a private session bus; with --mutter, GNOME's compositor runs on it headless.
# Usage: sur_bus.sh [--mutter] TEST
set -eu
command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session (tools/deps.sh)"; exit 77; }
if [ "$1" != --mutter ]; then
    exec dbus-run-session -- "$1"
fi
command -v mutter >/dev/null || { echo "SKIP: mutter is not installed (tools/deps.sh)"; exit 77; }
exec dbus-run-session -- sh -c '
    log="$XDG_RUNTIME_DIR/mutter.log"
    mutter --headless --wayland --no-x11 --virtual-monitor 1280x800 >"$log" 2>&1 &
    m=$!
    trap "kill $m 2>/dev/null; wait $m 2>/dev/null" EXIT
    gdbus wait --session --timeout 30 org.gnome.Mutter.IdleMonitor || { cat "$log"; exit 1; }
    "$1"' sur_bus "$2"
