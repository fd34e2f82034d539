#!/bin/sh
# Runs test_hote_reel under its own X server. The X11 screen-saver host refuses to run as root,
# so as root the test runs as an ordinary user made for it, from a folder that user owns.
# Usage: hote_reel.sh TEST_EXECUTABLE LUMIVANE_EXECUTABLE
set -eu
test_exe=$1
lumivane=$2
xvfb="-screen 0 1024x768x24 -noreset"
if [ "$(id -u)" -ne 0 ]; then
    LUMIVANE_EXE=$lumivane exec xvfb-run -a -s "$xvfb" "$test_exe"
fi
user=lumivane-essai
if ! id "$user" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$user" ||
        { echo "SKIP: no ordinary user to run the host as"; exit 77; }
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$test_exe" "$dir/test_hote_reel"
cp "$lumivane" "$dir/lumivane"
mkdir -m 700 "$dir/run"
chown -R "$user" "$dir"
chmod 755 "$dir"
runuser -u "$user" -- env HOME="$dir" TMPDIR="$dir" LUMIVANE_EXE="$dir/lumivane" \
    XDG_RUNTIME_DIR="$dir/run" xvfb-run -a -s "$xvfb" "$dir/test_hote_reel"
