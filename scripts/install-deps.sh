#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the demo need and
# the machine lacks. Debian 12; run as root. Does nothing when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config dpkg-dev
  qt6-base-dev libgl-dev
  # The X client library: the Qt glue asks the X server which keys are held.
  libxcb1-dev
  # The Qt Designer plugin and .ui files of the Qt widgets: Qt's Designer and
  # UiTools CMake packages, which on Debian 12 also need the OpenGL and
  # xkbcommon development files; designer itself to try the plugin.
  qt6-tools-dev designer-qt6 libqt6opengl6-dev libxkbcommon-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth ccache
  # What the end-to-end test drives the demo with and reads its screen with.
  xdotool imagemagick
  # The OCR engine that reads the demo's captions back (DemoOcr).
  tesseract-ocr tesseract-ocr-eng
  # The API reference (the docs target and its test).
  doxygen
  # The fuzz targets (libFuzzer) that CI runs briefly.
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
