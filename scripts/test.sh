#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-dependencies.sh
cmake --preset release >/dev/null
cmake --build --preset release
QT_QPA_PLATFORM=offscreen ctest --test-dir build/release -j2 --output-on-failure
