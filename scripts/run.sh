#!/bin/sh
# Installs what is missing, builds the program and runs it: the desktop
# program when there is one and a display to show it on, otherwise the
# command-line renderer on its built-in example.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-dependencies.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/bin/lumora ] && { [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; }; then
  exec build/release/bin/lumora "$@"
fi
build/release/bin/lumora-render --example -o "$PWD/build/release/example-stereogram.png"
