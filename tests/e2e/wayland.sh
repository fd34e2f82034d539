#!/bin/sh
# /S under a headless Wayland compositor: it shows, and ends on SIGTERM; the host modes refuse
# to run there with one line. Usage: wayland.sh LUMIVANE
set -u
exe=$1
command -v weston >/dev/null || { echo "SKIP: weston is not installed (tools/deps.sh)"; exit 77; }
tmp=$(mktemp -d)
export HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache XDG_DATA_HOME=$tmp/data
export XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=lumivane-test
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
trap 'kill $w 2>/dev/null; wait $w 2>/dev/null; rm -rf "$tmp"' EXIT
weston --backend=headless-backend.so --socket=$WAYLAND_DISPLAY --idle-time=0 \
    >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
w=$!
i=0
while [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
    i=$((i + 1)); [ $i -le 100 ] || { cat "$XDG_RUNTIME_DIR/weston.log"; exit 1; }; sleep 0.1
done
fail=0

WAYLAND_DEBUG=1 "$exe" /S 2>"$XDG_RUNTIME_DIR/show.log" &
s=$!
sleep 4
kill -0 $s 2>/dev/null || { echo "/S ended by itself"; cat "$XDG_RUNTIME_DIR/show.log"; exit 1; }
# Shown: the show gave the compositor a full-screen surface with a buffer.
for request in xdg_toplevel@.*set_fullscreen wl_surface@.*attach; do
    grep -q "$request" "$XDG_RUNTIME_DIR/show.log" || { echo "no $request"; fail=1; }
done
kill -TERM $s
wait $s; code=$?
[ $code -eq 0 ] || { echo "/S ended with $code after SIGTERM"; fail=1; }

for mode in "--root" "--window-id 0x400001" "/P 123"; do
    err=$("$exe" $mode 2>&1 >/dev/null); code=$?
    lines=$(printf '%s\n' "$err" | wc -l)
    case "$err" in *X11*) ;; *) lines=0 ;; esac
    [ $code -ne 0 ] && [ "$lines" -eq 1 ] || { echo "$mode: code $code, '$err'"; fail=1; }
done
exit $fail
