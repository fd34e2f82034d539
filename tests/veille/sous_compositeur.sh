#!/bin/sh
# Runs a test under a real Wayland compositor, headless, on a private session bus: KWin
# (kwin_wayland --virtual) or sway (its headless backend). The test finds the compositor's
# socket in WAYLAND_DISPLAY, its process in LUMIVANE_COMPOSITEUR and, in LUMIVANE_ENTREE, a
# command that moves the pointer as a hand would: KWin's fake input (through ENTREE, a client of
# ours), sway's own seat command.
# Usage: sous_compositeur.sh kwin|sway ENTREE TEST
set -eu
quel=$1 entree=$2 essai=$3
command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session (tools/deps.sh)"; exit 77; }
dir=$(mktemp -d)
chmod 755 "$dir"
trap 'rm -rf "$dir"' EXIT
case $quel in
kwin)
    command -v kwin_wayland >/dev/null || { echo "SKIP: kwin-wayland (tools/deps.sh)"; exit 77; }
    # The installed binary carries a file capability that a container may refuse to execute:
    # a copy has none.
    cp "$(command -v kwin_wayland)" "$dir/kwin_wayland"
    lancer="env KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 QT_QPA_PLATFORM= \"$dir/kwin_wayland\" --virtual --socket=lumivane-kwin"
    prise=$XDG_RUNTIME_DIR/lumivane-kwin
    commande=$entree
    ;;
sway)
    command -v sway >/dev/null || { echo "SKIP: sway (tools/deps.sh)"; exit 77; }
    mkdir -m 700 "$dir/run"
    printf 'output * bg #000000 solid_color\n' >"$dir/config"
    env="XDG_RUNTIME_DIR=$dir/run SWAYSOCK=$dir/run/sway.sock WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman"
    lancer="env $env sway -c $dir/config"
    # sway refuses to run as root: as root it runs as an ordinary user made for the tests.
    if [ "$(id -u)" -eq 0 ]; then
        user=lumivane-essai
        id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user" ||
            { echo "SKIP: no ordinary user to run sway as"; exit 77; }
        chown "$user" "$dir/run"
        lancer="runuser -u $user -- $lancer"
    fi
    # Its first free name.
    prise=$dir/run/wayland-1
    commande="swaymsg -s $dir/run/sway.sock seat seat0 cursor move 7 7"
    ;;
*)
    echo "usage: sous_compositeur.sh kwin|sway ENTREE TEST"; exit 2 ;;
esac
exec dbus-run-session -- sh -c '
    sh -c "exec $1" >"$2.log" 2>&1 &
    c=$!
    trap "kill $c 2>/dev/null; wait $c 2>/dev/null" EXIT
    for i in $(seq 100); do [ -S "$2" ] && break; sleep 0.1; done
    [ -S "$2" ] || { echo "the compositor did not start"; cat "$2.log"; exit 1; }
    WAYLAND_DISPLAY=$2 LUMIVANE_COMPOSITEUR=$c LUMIVANE_ENTREE="$3" "$4"
    r=$?
    [ $r -eq 0 ] || tail -20 "$2.log"
    exit $r' sous_compositeur "$lancer" "$prise" "$commande" "$essai"
