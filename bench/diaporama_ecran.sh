#!/usr/bin/env bash
# The real show (`lumivane /S`) under a virtual X server of the given size, over bench_show's
# album (2 x 12 MP, 2 x 24 MP JPEG) with 1200 ms transitions: the peak resident memory
# (VmHWM) and the CPU time (user + system, /proc/PID/stat) over SECONDS of show, after the first
# photo. Several programs are measured alternately, REPEAT times each, in one run.
#   bench/diaporama_ecran.sh WxH SECONDS REPEAT PHOTO_DIR lumivane [lumivane ...]
# PHOTO_DIR is made by `bench_show --generate PHOTO_DIR` when it has no photos yet. VITESSE sets
# the speed index (3 by default), PARAM more lines of "Param" ("FondFlou=1\nMouvement=1").
set -euo pipefail

# Under the X server: one run of program $2 with the settings of folder $1.
if [ "${1:-}" = --mesurer ]; then
    dossier=$2 exe=$3 duree=$4
    XDG_CONFIG_HOME=$dossier/config XDG_CACHE_HOME=$dossier/cache XDG_RUNTIME_DIR=$dossier/run \
        XDG_STATE_HOME=$dossier/state \
        "$exe" /S &
    pid=$!
    sleep 3
    ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
    a=$(ticks)
    sleep "$duree"
    b=$(ticks)
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" || true
    awk -v t=$((b - a)) -v hz="$(getconf CLK_TCK)" -v d="$duree" -v m="$hwm" -v e="$exe" \
        'BEGIN { printf "%s: peak %.0f MB, CPU %.1f %% of one core\n", e, m / 1024, 100 * t / hz / d }'
    exit 0
fi

ecran=$1 duree=$2 fois=$3 photos=$(realpath "$4")
shift 4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p -m 700 "$tmp/config/Lumivane" "$tmp/cache" "$tmp/run"
{
    printf "[Param]\nCombo%%200=%s\n%b\n[Liste%%20de%%20Fichiers]\n" "${VITESSE:-3}" "${PARAM:-}"
    i=0
    for f in "$photos"/*.jpg; do
        printf 'Fichier%%20%d=%s\n' "$i" "$f"
        i=$((i + 1))
    done
} >"$tmp/config/Lumivane/Lumivane.ini"
echo "screen $ecran, $duree s of show per run, load: $(uptime | sed 's/.*load/load/')"
for ((n = 0; n < fois; n++)); do
    for exe in "$@"; do
        xvfb-run -a -s "-screen 0 ${ecran}x24" "$0" --mesurer "$tmp" "$(realpath "$exe")" "$duree" ||
            echo "$exe: run failed"
    done
done
echo "load after: $(uptime | sed 's/.*load/load/')"
