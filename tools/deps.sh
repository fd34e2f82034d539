#!/usr/bin/env bash
# Installs what building, running and testing Lumivane needs on Debian 12.
set -euo pipefail
packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
    qt6-image-formats-plugins libx11-dev libxcb1-dev libgl-dev
    fonts-dejavu-core
    libexif-dev libjpeg62-turbo-dev
    # HEIC/HEIF and AVIF photos (the library with its decoders and encoders, which the tests use
    # to make their samples), and its command-line tools
    libheif-dev libheif-examples
    xvfb xauth x11-utils xdotool
    libglib2.0-bin gsettings-desktop-schemas
    clang libclang-rt-14-dev llvm-14
    # the Debian package and its checks
    dpkg-dev file librsvg2-bin desktop-file-utils appstream libxml2-utils lintian
    # the real X11 screen-saver host and a second monitor for the end-to-end tests
    xscreensaver x11-xserver-utils
    # the idle watcher (X11 screen-saver extension, D-Bus) and its tests: GNOME's compositor
    # headless, a Wayland compositor for /S
    libxcb-screensaver0-dev dbus-daemon mutter weston qt6-wayland
    # the desktops' own settings tools that the wallpaper tests run on a private session bus
    dbus dconf-gsettings-backend dconf-service xfconf libxfconf-0-3 cinnamon-desktop-data mate-desktop-common
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
