#!/bin/sh
# Installs the Debian packages the build, the tests and the program need:
# clang and its runtimes for the fuzz targets, the icon rasteriser, the
# Debian packaging tools and the desktop checks of the installed program.
# Run as root on Debian 12 (bookworm).
set -e
PACKAGES="cmake ninja-build g++ ccache pkg-config \
  qt6-base-dev qt6-image-formats-plugins libgl-dev libglu1-mesa-dev \
  libjpeg62-turbo-dev libpng-dev zlib1g-dev lib3ds-dev libsane-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-liberation2 fonts-dejavu-core \
  clang libclang-rt-14-dev \
  librsvg2-bin dpkg-dev file desktop-file-utils appstream shared-mime-info \
  xdg-utils libglib2.0-bin"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends $missing
fi
