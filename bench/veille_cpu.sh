#!/bin/sh
# What the idle watcher costs while it waits: its user + system CPU time over a minute, read
# from /proc/PID/stat, under Xvfb (the X11 idle source) with a delay longer than the run.
# Usage: bench/veille_cpu.sh build/lumivane [seconds]
set -eu
exe=$(readlink -f "$1")
duree=${2:-60}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/run
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Lumivane"
printf '[Veille]\nDelai=3600\n' >"$XDG_CONFIG_HOME/Lumivane/Lumivane.ini"
xvfb-run -a sh -c '
    "$1" --veille & p=$!
    sleep 2
    ticks() { awk "{print \$14 + \$15}" /proc/$p/stat; }
    a=$(ticks); sleep "$2"; b=$(ticks)
    kill -TERM $p; wait $p
    hz=$(getconf CLK_TCK)
    awk -v t=$((b - a)) -v hz=$hz -v d="$2" "BEGIN { printf \"veille: %d ticks (%.3f s CPU) in %d s = %.4f %% of one core\n\", t, t / hz, d, 100 * t / hz / d }"
' veille "$exe" "$duree"
