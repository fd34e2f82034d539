#!/usr/bin/env bash
# Installs what building, running and testing Lumivane needs on Debian 12. What the build needs is
# the package's Build-Depends (debian/control), installed from there; the list below is what the
# tests and the tools need besides, one package a line.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(
    # the formatting check and the list of the sources the package is built from
    clang-format
    git
    # what the program loads at run time: Qt's own French texts, its image-format and Wayland
    # plugins; the font the tests draw with
    qt6-translations-l10n
    qt6-image-formats-plugins
    qt6-wayland
    # the show drawn with OpenGL: Mesa's renderers for the tests and benchmarks
    libgl1-mesa-dri
    fonts-dejavu-core
    # HEIC/HEIF and AVIF photos made by hand for a check (the tests encode theirs with the
    # library itself)
    libheif-examples
    # a virtual X server and the tools that drive it
    xvfb
    xauth
    x11-utils
    xdotool
    libglib2.0-bin
    gsettings-desktop-schemas
    # the fuzz targets and their coverage
    clang
    libclang-rt-14-dev
    llvm-14
    # the Debian package's checks
    file
    desktop-file-utils
    appstream
    libxml2-utils
    lintian
    # the real X11 screen-saver host and a second monitor for the end-to-end tests
    xscreensaver
    x11-xserver-utils
    # the idle watcher's tests (D-Bus): GNOME's compositor headless, a Wayland compositor for /S
    dbus-daemon
    mutter
    weston
    # the two compositors the idle watcher is tried against, headless (sway is below)
    kwin-wayland
    # the desktops' own settings tools that the wallpaper tests run on a private session bus
    dbus
    dconf-gsettings-backend
    dconf-service
    xfconf
    libxfconf-0-3
    cinnamon-desktop-data
    mate-desktop-common
    # sway headless, which reads the wallpaper command as a sway session would
    sway
)
# One query for them all: on a ready machine this script costs next to nothing.
installed=" $(dpkg-query -W -f='${Package}:${Status} ' "${packages[@]}" 2>/dev/null |
    sed 's/:install ok installed / /g') "
missing=()
for p in "${packages[@]}"; do
    [[ $installed == *" $p "* ]] || missing+=("$p")
done
# dpkg-checkbuilddeps (dpkg-dev) reads the Build-Depends and says whether they are all installed.
build_ready=false
command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps 2>/dev/null && build_ready=true
[ ${#missing[@]} -eq 0 ] && $build_ready && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
apt=($sudo apt-get -qq -o DPkg::Lock::Timeout=600)
"${apt[@]}" update
# With a folder, apt reads its debian/control: the Build-Depends and build-essential.
$build_ready || "${apt[@]}" build-dep -y --no-install-recommends ./
[ ${#missing[@]} -eq 0 ] || "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
