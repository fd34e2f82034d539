#!/bin/sh
# Builds the Debian package as a distribution does, dpkg-buildpackage from a clean copy of the
# sources (the files git knows of, never a developer's build folders), and checks it as Debian's
# own tools do: what it holds, the dependencies computed from the executable, the desktop
# entries, the AppStream metainfo, the host's program description, lintian. Then the package's
# own test of the program's starts runs on the packaged executable.
# Usage: verifier_paquet.sh SOURCE_DIR WORK_DIR VERSION
set -eu
src=$1
work=$2
version=$3
for tool in git dpkg-buildpackage dpkg-checkbuilddeps desktop-file-validate appstreamcli xmllint \
    lintian xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (tools/deps.sh)"; exit 77; }
done
(cd "$src" && dpkg-checkbuilddeps) || { echo "SKIP: Build-Depends missing (tools/deps.sh)"; exit 77; }

rm -rf "$work"
mkdir -p "$work/lumivane"
(cd "$src" && git ls-files -z -co --exclude-standard | tar --null -T - --ignore-failed-read -cf -) |
    tar -xf - -C "$work/lumivane"
launcher=""
command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
start=$(date +%s)
(cd "$work/lumivane" &&
    DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" \
        DEB_CMAKE_EXTRA_FLAGS=$launcher dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 ||
    { tail -n 60 "$work/build.log"; exit 1; }
echo "dpkg-buildpackage: $(($(date +%s) - start)) s"
name=lumivane_${version}_$(dpkg --print-architecture)
deb=$work/$name.deb
[ -f "$deb" ] || { echo "no $name.deb (debian/changelog's version is not $version?):" "$work"/*.deb; exit 1; }
echo "package: $deb"
root="$work/root"
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
    usr/share/man/man1/lumivane.1.gz usr/share/doc/lumivane/copyright \
    usr/share/doc/lumivane/changelog.gz; do
    [ -e "$root/$f" ] || { echo "missing: /$f"; fail=1; }
done
# The host's program is the executable itself, whatever the link looks like.
[ "$(readlink -f "$root/usr/libexec/xscreensaver/lumivane")" = "$(readlink -f "$root/usr/bin/lumivane")" ] ||
    { echo "the host's program is not the executable"; fail=1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    { echo "dependencies not computed: $(dpkg-deb -f "$deb" Depends)"; fail=1; }

desktop-file-validate "$root"/usr/share/applications/*.desktop "$root"/usr/share/applications/*/*.desktop ||
    fail=1
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml || fail=1
xmllint --noout "$root"/usr/share/xscreensaver/config/lumivane.xml || fail=1
# Every package of the build, no error nor warning; and Debian's hardening flags reached the
# executable. (hardening-no-fortify-functions stays: every fortifiable call of ours has a size
# the compiler proves, so none needs a checked variant.)
lintian -I --fail-on none "$work/$name.changes" >"$work/lintian.txt" 2>&1 ||
    { cat "$work/lintian.txt"; exit 1; }
cat "$work/lintian.txt"
! grep -E '^[EW]: |hardening-no-(bindnow|pie|relro)' "$work/lintian.txt" >/dev/null || fail=1

PATH="$root/usr/bin:$PATH" "$work/lumivane/debian/tests/lancement" || fail=1
# The packages stay for whoever wants them; the copy of the sources and its build go.
[ $fail -ne 0 ] || rm -rf "$work/lumivane" "$root"
exit $fail
