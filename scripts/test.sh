#!/bin/sh
# Builds the trainer with its tests and runs every test.
set -e
cd "$(dirname "$0")/.."
. scripts/setup.sh
# shellcheck disable=SC2086
orvani_install_missing $ORVANI_PACKAGES $ORVANI_TEST_PACKAGES
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build-tests
cd build-tests
ctest --output-on-failure --timeout 900
