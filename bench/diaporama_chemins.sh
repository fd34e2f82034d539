#!/usr/bin/env bash
# bench_show on both drawings, the painter and OpenGL, at 1920 x 1080 and 3840 x 2160, with the
# fade alone and with the pan and zoom, each under a virtual X server of the screen's size (the
# OpenGL renderer is the server's: Mesa's llvmpipe under Xvfb).
#   bench/diaporama_chemins.sh BUILD_DIR [TRANSITIONS] [bench_show options...]
set -euo pipefail
build=$(realpath "$1")
transitions=${2:-6}
shift $(($# > 1 ? 2 : 1))
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
echo "load: $(uptime | sed 's/.*load/load/')"
for ecran in 1920x1080 3840x2160; do
    for mouvement in "" --pan-zoom; do
        for dessin in --painter --opengl; do
            echo "== $ecran $dessin $mouvement $*"
            xvfb-run -a -s "-screen 0 ${ecran}x24" env QT_QPA_PLATFORM=xcb \
                "$build/bench/bench_show" --screen "$ecran" --transitions "$transitions" \
                $dessin $mouvement "$@" | sed -n '2,9p'
        done
    done
done
echo "load after: $(uptime | sed 's/.*load/load/')"
