#!/bin/sh
# /S under a headless Wayland compositor shows (a full-screen surface with a buffer) and ends on
# SIGTERM; the host modes refuse with one line. Usage: wayland.sh LUMIVANE
set -u
command -v weston >/dev/null || { echo "SKIP: weston is not installed (tools/deps.sh)"; exit 77; }
t=$(mktemp -d)
export HOME=$t XDG_CONFIG_HOME=$t/c XDG_CACHE_HOME=$t/k XDG_DATA_HOME=$t/d XDG_RUNTIME_DIR=$t/r
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=lumivane-test
mkdir -m 700 "$XDG_RUNTIME_DIR"; unset DISPLAY
weston --backend=headless-backend.so --socket=$WAYLAND_DISPLAY >"$t/weston.log" 2>&1 & w=$!
trap 'kill $w; wait $w; rm -rf "$t"' EXIT
for i in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
WAYLAND_DEBUG=1 "$1" /S 2>"$t/show.log" & s=$!
sleep 4
kill -0 $s || { echo "/S ended by itself"; cat "$t/weston.log" "$t/show.log"; exit 1; }
fail=0
for r in 'xdg_toplevel@.*set_fullscreen' 'wl_surface@.*attach'; do
    grep -q "$r" "$t/show.log" || { echo "no $r"; fail=1; }
done
kill -TERM $s; wait $s || { echo "/S ended with $? after SIGTERM"; fail=1; }
for mode in "--root" "--window-id 0x400001" "/P 123"; do
    err=$("$1" $mode 2>&1 >/dev/null) && { echo "$mode ended with 0"; fail=1; }
    [ "$(printf "%s\n" "$err" | wc -l)$(printf "%s" "$err" | grep -c X11)" = 11 ] || { echo "$mode: '$err'"; fail=1; }
done
exit $fail
