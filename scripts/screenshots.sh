#!/bin/sh
# Takes a screenshot of each of the three stage windows (depth map, tile
# map, afterburner), of the welcome screen and of the picture library
# window under a virtual X display and writes them to docs/screenshots/. Installs Xvfb, xauth, ImageMagick and xdotool when
# they are missing (as root on Debian). LUMORA_BUILD_DIR names a build
# folder that is already built; without it the release preset is built.
set -e
cd "$(dirname "$0")/.."
missing=""
for tool in xvfb-run:xvfb xauth:xauth import:imagemagick xdotool:xdotool; do
  command -v "${tool%%:*}" >/dev/null 2>&1 || missing="$missing ${tool#*:}"
done
if [ -n "$missing" ]; then
  apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi
build="${LUMORA_BUILD_DIR:-}"
if [ -z "$build" ]; then
  build=build/release
  cmake --preset release >/dev/null
  cmake --build --preset release --target lumora lumora-render lumora-show-window
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/bin/lumora-render" --example --seed 7 --save-project "$work/Example.l2p" >/dev/null
mkdir -p docs/screenshots
# The program's settings go to the temporary folder, not the user's.
XDG_CONFIG_HOME="$work/config" HOME="$work" xvfb-run -a -s "-screen 0 1024x768x24" \
  sh scripts/screenshots-xvfb.sh "$build/bin/lumora" "$work/Example.l2p" docs/screenshots
echo "Screenshots written to docs/screenshots/"
