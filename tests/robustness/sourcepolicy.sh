#!/bin/sh
# What the program may do on the user's behalf, checked in its sources:
# the web engine's sandbox is never turned off by the program (only the
# scripts that run it as root do), programs are started only by QtPlatform,
# and web addresses are opened only by QtPlatform for the About window.
# Usage: sourcepolicy.sh <source folder>
cd "$1" || exit 2
program="app ui content screensaver packaging"
status=0

only() { # <what> <allowed files> <pattern>
    found=$(grep -rlE -- "$3" $program 2>/dev/null | sort | tr '\n' ' ')
    if [ "$found" != "$2" ]; then
        echo "$1: expected in '$2' only, found in '$found'"
        status=1
    fi
}

only "turning the sandbox off" "" 'DISABLE_SANDBOX|no-sandbox|CHROMIUM_FLAGS'
only "starting programs" "ui/platform/qtplatform.cpp " 'QProcess([^A-Za-z]|$)|[^_a-z]system\(|popen\(|exec[lv]p?e?\(|posix_spawn'
only "a web browser" "ui/platform/qtplatform.cpp " 'QDesktopServices|xdg-open'
only "opening web addresses" "ui/about/frnabout.cpp ui/platform/platform.h ui/platform/qtplatform.cpp ui/platform/qtplatform.h " 'openWebAddress'
exit $status
