#!/usr/bin/env bash
# The dialog's start with a huge remembered album, with the real program under a virtual X
# server: a 1 GB sparse album file, one of 1,000,000 lines, and the largest one taken (10,000
# lines of 400-character paths, just under 4 MB). For each: the time until the
# window is mapped, the time a SIGTERM sent then takes to end the process, and the peak resident
# memory (/usr/bin/time -v). bench/demarrage_album.sh [BUILD_DIR]
set -euo pipefail

# Under the X server: runs the program with the settings of folder $2.
if [ "${1:-}" = --mesurer ]; then
    exe=$3
    t0=$(date +%s%N)
    /usr/bin/time -v -o "$2/time.txt" "$exe" /C &
    pid=$!
    enfant=""
    while [ -z "$enfant" ]; do enfant=$(pgrep -P "$pid" || true); done
    until xdotool search --onlyvisible --pid "$enfant" >/dev/null 2>&1; do sleep 0.02; done
    t1=$(date +%s%N)
    kill -TERM "$enfant"
    wait "$pid" || true
    t2=$(date +%s%N)
    printf '%s: window after %d ms, ended %d ms after SIGTERM, peak RSS %s kB\n' \
        "$(basename "$2")" $(((t1 - t0) / 1000000)) $(((t2 - t1) / 1000000)) \
        "$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$2/time.txt")"
    exit 0
fi

exe=$(realpath "${1:-build}/lumivane")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/albums"
truncate -s 1G "$tmp/albums/CREUX.alb"
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "%04d /photos/p%d.jpg\r\n", i % 10000, i }' \
    >"$tmp/albums/LIGNES.alb"
awk 'BEGIN { d = sprintf("%380s", ""); gsub(/ /, "d", d)
             for (i = 0; i < 10000; i++) printf "%04d /%s/p%d.jpg\r\n", i, d, i }' \
    >"$tmp/albums/GRAND.alb"

for titre in CREUX LIGNES GRAND; do
    dossier=$tmp/$titre
    mkdir -p "$dossier/config/Lumivane" "$dossier/cache"
    printf '[Demarrage]\nAlbum=%s\nRepertoireOpen=%s/albums/\n\n[Liste%%20de%%20Fichiers]\nFichier%%200=/photos/p0.jpg\n' \
        "$titre" "$tmp" >"$dossier/config/Lumivane/Lumivane.ini"
    XDG_CONFIG_HOME=$dossier/config XDG_CACHE_HOME=$dossier/cache \
        xvfb-run -a "$0" --mesurer "$dossier" "$exe"
done
