#!/bin/sh
# Takes a screenshot of each of the three stage windows (depth map, tile
# map, afterburner), the help window, the depth-map dialogs, the welcome
# screen and the picture library window under a virtual X display and
# writes them to docs/screenshots/, and the help's pictures of the three
# windows to assets/help/english/images/. Installs Xvfb, xauth, ImageMagick
# and xdotool when they are missing (as root on Debian). LUMORA_BUILD_DIR names a build
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
  cmake --build --preset release --target lumora lumora-render lumora-show-window test_ui_depthmap
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/bin/lumora-render" --example --seed 7 --save-project "$work/Example.l2p" >/dev/null
mkdir -p docs/screenshots
# The program's settings go to the temporary folder, not the user's.
XDG_CONFIG_HOME="$work/config" HOME="$work" xvfb-run -a -s "-screen 0 1024x768x24" \
  sh scripts/screenshots-xvfb.sh "$build/bin/lumora" "$work/Example.l2p" docs/screenshots
# The dialogs are photographed by their widget test, on the X display.
XDG_CONFIG_HOME="$work/config" HOME="$work" QT_QPA_PLATFORM=xcb \
  LUMORA_SCREENSHOT_DIR="$(pwd)/docs/screenshots" xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/bin/test_ui_depthmap" --gtest_filter='DialogScreenshots.*' >/dev/null
# The walk-through of the help shows the three windows, small, as 8-bit
# bitmaps.
for name in depth-map tile-map afterburner; do
  convert "docs/screenshots/$name-window.png" -resize '270x204!' -colors 256 -type Palette \
    "BMP3:assets/help/english/images/$(echo "$name" | tr - _)_window.bmp"
done
echo "Screenshots written to docs/screenshots/, help pictures to assets/help/english/images/"
