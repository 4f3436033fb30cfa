#!/usr/bin/env bash
# Installs every Debian 12 package that building, running, testing and
# benchmarking skinview needs. Safe to run again: it only installs what is
# missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # Qt 6: widgets, tests, the HTML panel, extra image formats
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-webengine-dev
  qt6-image-formats-plugins libgl-dev libx11-dev libxtst-dev
  # imaging and archives
  zlib1g-dev libtiff-dev libmagick++-6.q16-dev libpoppler-qt6-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils openbox fonts-dejavu-core
  zip unzip python3 libtiff-tools libvips-tools
  # fuzzing
  clang libclang-rt-14-dev libfuzzer-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
