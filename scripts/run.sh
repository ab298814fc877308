#!/bin/sh
# Builds the trainer and starts it.
set -e
cd "$(dirname "$0")/.."
. scripts/setup.sh
# shellcheck disable=SC2086
orvani_install_missing $ORVANI_PACKAGES
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build
orvani_engine_environment
exec build/application/orvani-parlevo
