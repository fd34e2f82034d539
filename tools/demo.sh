#!/usr/bin/env bash
# Shows the slide show on a demo album of generated pictures. The demo keeps its own settings
# inside the build folder: the user's own settings and state are never read or written.
set -euo pipefail
build=${1:-build}
demo="$build/demo"
export XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/data" XDG_CACHE_HOME="$demo/cache"
# The show's rounds too: the demo album's would replace the user's own round on this screen.
export XDG_STATE_HOME="$demo/state"
mkdir -p "$demo"
if [ ! -f "$XDG_CONFIG_HOME/Lumivane/Lumivane.ini" ]; then
    QT_QPA_PLATFORM=offscreen "$build/lumivane-samples" "$demo/photos" --album >/dev/null
    # Titles on, at the bottom, medium transitions.
    printf '[Param]\nTitre=0\nPosition=1\nCombo%%200=3\n' >> "$XDG_CONFIG_HOME/Lumivane/Lumivane.ini"
fi
exec "$build/lumivane" /S
