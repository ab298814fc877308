#!/bin/sh
# Runs a test that needs a display and the real web engine under Xvfb.
# The engine refuses to run as root with its sandbox on; only then is it
# turned off, for this test run alone.
set -e
if [ "$(id -u)" = 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
