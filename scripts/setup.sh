#!/bin/sh
# Installs the Debian packages that building, running and testing need,
# where they are missing. Sourced by run.sh and test.sh.

ORVANI_PACKAGES="build-essential cmake ninja-build pkg-config
 qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-image-formats-plugins qt6-svg-dev
 libxcb1-dev fonts-wine"
ORVANI_TEST_PACKAGES="xvfb xauth openbox xdotool x11-utils imagemagick
 desktop-file-utils appstream dpkg-dev file
 dbus-daemon
 g++-mingw-w64-x86-64-posix clang-format"

orvani_install_missing() {
    missing=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# The web engine refuses to run as root with its sandbox on; only then do
# these scripts turn it off. The program itself never does.
orvani_engine_environment() {
    if [ "$(id -u)" = 0 ]; then
        export QTWEBENGINE_DISABLE_SANDBOX=1
    fi
}
