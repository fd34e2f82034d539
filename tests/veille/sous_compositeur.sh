#!/bin/sh
# Runs a test under a real Wayland compositor, headless, on a private session bus: KWin
# (kwin_wayland --virtual) or sway (its headless backend). The test finds its socket in
# WAYLAND_DISPLAY, and in LUMIVANE_ENTREE a command that moves its pointer as a hand would:
# KWin's fake input (ENTREE, a client of ours), sway's own seat command.
# Usage: sous_compositeur.sh kwin|sway ENTREE TEST
set -eu
dir=$(mktemp -d)
chmod 755 "$dir"
trap 'rm -rf "$dir"' EXIT
sauter() { echo "SKIP: $1 (tools/deps.sh)"; exit 77; }
command -v dbus-run-session >/dev/null || sauter dbus-run-session
if [ "$1" = kwin ]; then
    command -v kwin_wayland >/dev/null || sauter kwin-wayland
    # The installed binary carries a file capability that a container may refuse: a copy has none.
    cp "$(command -v kwin_wayland)" "$dir/kwin_wayland"
    lancer="env KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 QT_QPA_PLATFORM= $dir/kwin_wayland --virtual --socket=lumivane-kwin"
    prise=$XDG_RUNTIME_DIR/lumivane-kwin
    entree=$2
else
    command -v sway >/dev/null || sauter sway
    mkdir -m 700 "$dir/run"
    printf 'output * bg #000000 solid_color\n' >"$dir/config"
    lancer="env XDG_RUNTIME_DIR=$dir/run SWAYSOCK=$dir/run/sway.sock WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c $dir/config"
    # sway refuses to run as root: then it runs as an ordinary user made for the tests.
    if [ "$(id -u)" -eq 0 ]; then
        id lumivane-essai >/dev/null 2>&1 ||
            useradd --system --no-create-home --shell /usr/sbin/nologin lumivane-essai ||
            sauter "an ordinary user to run sway as"
        chown lumivane-essai "$dir/run"
        lancer="runuser -u lumivane-essai -- $lancer"
    fi
    prise=$dir/run/wayland-1
    entree="swaymsg -s $dir/run/sway.sock seat seat0 cursor move 7 7"
fi
exec dbus-run-session -- sh -c '
    sh -c "exec $1" >"$2.log" 2>&1 &
    trap "kill $! 2>/dev/null; wait $! 2>/dev/null" EXIT
    for i in $(seq 100); do [ -S "$2" ] && break; sleep 0.1; done
    WAYLAND_DISPLAY=$2 LUMIVANE_ENTREE="$3" "$4" || { r=$?; tail -20 "$2.log"; exit $r; }' \
    sous_compositeur "$lancer" "$prise" "$entree" "$3"
