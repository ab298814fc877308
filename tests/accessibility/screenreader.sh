#!/bin/sh
# Runs screenreader.py against the program given as the argument, in an X
# display and a D-Bus session bus of its own. The web engine refuses to run
# as root with its sandbox on; only then is it turned off, for this run alone.
set -e
if [ "$(id -u)" = 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
unset QT_QPA_PLATFORM
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    /usr/bin/python3 "$(dirname "$0")/screenreader.py" "$@"
