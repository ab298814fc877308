#!/bin/sh
# Builds the trainer and the benchmark (Release) and runs the benchmark under
# Xvfb with a window manager. Arguments go to orvani-bench, e.g. --runs 9.
set -e
cd "$(dirname "$0")/.."
. scripts/setup.sh
# shellcheck disable=SC2086
orvani_install_missing $ORVANI_PACKAGES xvfb xauth openbox
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench --target orvani_bench
orvani_engine_environment
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
    build-bench/bench/orvani-bench "$@"
    status=$?
    kill $wm
    exit $status' orvani-bench "$@"
