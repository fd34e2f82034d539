#!/bin/sh
# Builds the Debian package from a finished build tree and checks it as Debian's own tools do:
# what it holds, the dependencies computed from the executable, the desktop entry, the AppStream
# metainfo, the host's program description, and lintian.
# Usage: verifier_paquet.sh CPACK BUILD_DIR
set -eu
cpack=$1
build=$2
for tool in dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli xmllint lintian; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (tools/deps.sh)"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/lumivane_*_*.deb)
echo "package: $(basename "$deb")"
root="$out/root"
dpkg-deb -x "$deb" "$root"

fail=0
for f in usr/bin/lumivane usr/libexec/xscreensaver/lumivane \
    usr/share/xscreensaver/config/lumivane.xml \
    usr/share/applications/org.lumivane.Lumivane.desktop \
    usr/share/applications/screensavers/lumivane.desktop \
    usr/share/metainfo/org.lumivane.Lumivane.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/lumivane.svg \
    usr/share/icons/hicolor/16x16/apps/lumivane.png \
    usr/share/icons/hicolor/48x48/apps/lumivane.png \
    usr/share/icons/hicolor/256x256/apps/lumivane.png \
    usr/share/man/man1/lumivane.1.gz usr/share/doc/lumivane/copyright; do
    [ -e "$root/$f" ] || { echo "missing: /$f"; fail=1; }
done
# The host's program is the executable itself, whatever the link looks like.
[ "$(readlink -f "$root/usr/libexec/xscreensaver/lumivane")" = "$(readlink -f "$root/usr/bin/lumivane")" ] ||
    { echo "the host's program is not the executable"; fail=1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    { echo "dependencies not computed: $(dpkg-deb -f "$deb" Depends)"; fail=1; }

desktop-file-validate "$root"/usr/share/applications/*.desktop || fail=1
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml || fail=1
xmllint --noout "$root"/usr/share/xscreensaver/config/lumivane.xml || fail=1
lintian --fail-on error "$deb" || fail=1
# Debian's hardening flags reached the executable. (hardening-no-fortify-functions stays: every
# fortifiable call of ours has a size the compiler proves, so none needs a checked variant.)
hardening=$(lintian -I --tags hardening-no-bindnow,hardening-no-relro "$deb")
[ -z "$hardening" ] || { echo "$hardening"; fail=1; }
exit $fail
