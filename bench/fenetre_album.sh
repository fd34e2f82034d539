#!/usr/bin/env bash
# The dialog's window with a remembered album of 0, 1000 and 32767 photos, with the real program
# under one virtual X server: the time from the start of `lumivane /C` until its window is
# mapped. The album's list is in the settings store; the album of 1000 also has its file, which
# says the same (as after every save); 32767 photos are more than a file can number, so that
# album has none. Builds are run in turn, round after round, so that they share the machine's
# load; the median of each is printed, then each build's median over the first one's. The
# options the dialog writes at every start are in the store, as after any former start, unless
# SANS_OPTIONS=1: then the dialog writes them, rewriting the whole file. SERVEUR_NEUF=1 starts
# each run on an X server of its own, as bench/demarrage_album.sh does: its first client pays
# for the server's start.
# bench/fenetre_album.sh ROUNDS BUILD_DIR...
set -euo pipefail

# Under the X server: one start of $2 with the settings of folder $3, the milliseconds printed.
if [ "${1:-}" = --une ]; then
    exe=$2
    dossier=$3
    rm -rf "$dossier/config" "$dossier/cache"
    mkdir -p "$dossier/config/Lumivane" "$dossier/cache"
    cp "$dossier/Lumivane.ini" "$dossier/config/Lumivane/"
    t0=$(date +%s%N)
    XDG_CONFIG_HOME=$dossier/config XDG_CACHE_HOME=$dossier/cache XDG_RUNTIME_DIR=$dossier/run \
        "$exe" /C 2>>"$dossier/erreurs.txt" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "ended without a window: see $dossier/erreurs.txt" >&2; exit 1; }
        sleep 0.01
    done
    t1=$(date +%s%N)
    kill -TERM "$pid"
    wait "$pid" || true
    echo $(((t1 - t0) / 1000000))
    exit 0
fi

# Under the X server: every round, every size, every build.
if [ "${1:-}" = --serie ]; then
    shift
    tmp=$1 tours=$2 serveur=${3#-}
    shift 3
    for ((t = 0; t < tours; t++)); do
        for n in 0 1000 32767; do
            # Every other round the other way round, so that no build always runs first.
            for ((i = 1; i <= $#; i++)); do
                b=$((t % 2 ? $# + 1 - i : i))
                ms=$($serveur "$0" --une "${!b}/lumivane" "$tmp/$n") && echo "$n $b $ms" >>"$tmp/mesures"
            done
        done
    done
    exit 0
fi

tours=${1:?rounds}
shift
builds=()
for b in "$@"; do builds+=("$(realpath "$b")"); done
tmp=$(mktemp -d)
trap 'cat "$tmp"/*/erreurs.txt 2>/dev/null | sort | uniq -c | sort -rn | head -5 >&2; rm -rf "$tmp"' EXIT
for n in 0 1000 32767; do
    mkdir -p "$tmp/$n/albums" "$tmp/$n/run"
    chmod 700 "$tmp/$n/run"
    {
        printf '[Demarrage]\nAlbum=GRAND\nRepertoireOpen=%s/albums/\n\n' "$tmp/$n"
        [ "${SANS_OPTIONS:-0}" = 1 ] || printf '[Param]\nCombo%%200=7\nPosition=0\nTitre=1\n\n'
        printf '[Liste%%20de%%20Fichiers]\n'
        awk -v n="$n" 'BEGIN { for (i = 0; i < n; i++)
            printf "Fichier%%20%d=/home/user/Photos/2026/vacances/photo-%d.jpg\n", i, i }'
    } >"$tmp/$n/Lumivane.ini"
    if [ "$n" -le 10000 ]; then
        awk -v n="$n" 'BEGIN { for (i = 0; i < n; i++)
            printf "%04d /home/user/Photos/2026/vacances/photo-%d.jpg\r\n", i, i }' \
            >"$tmp/$n/albums/GRAND.alb"
    fi
done
echo "load before: $(uptime)"
ecran=(xvfb-run -a -s "-noreset -screen 0 1920x1080x24")
if [ "${SERVEUR_NEUF:-0}" = 1 ]; then
    "$0" --serie "$tmp" "$tours" "xvfb-run -a -s -noreset" "${builds[@]}"
else
    "${ecran[@]}" "$0" --serie "$tmp" "$tours" - "${builds[@]}"
fi
echo "load after:  $(uptime)"
for n in 0 1000 32767; do
    base=""
    for ((b = 1; b <= ${#builds[@]}; b++)); do
        mesures=$(awk -v n="$n" -v b="$b" '$1 == n && $2 == b { print $3 }' "$tmp/mesures" | sort -n)
        med=$(echo "$mesures" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
        base=${base:-$med}
        printf '%5d photos, %s: median %6.0f ms, ratio %.2f (all: %s)\n' "$n" \
            "${builds[b - 1]}" "$med" "$(echo "$med / $base" | bc -l)" "$(echo $mesures)"
    done
done
# Each build's largest album against its own empty one, both from this run.
for ((b = 1; b <= ${#builds[@]}; b++)); do
    m() { awk -v n="$1" -v b="$b" '$1 == n && $2 == b { print $3 }' "$tmp/mesures" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
    printf '%s: 32767 photos over an empty album: %.2f\n' "${builds[b - 1]}" "$(echo "$(m 32767) / $(m 0)" | bc -l)"
done
