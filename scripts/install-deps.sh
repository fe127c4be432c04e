#!/usr/bin/env bash
# Installs every Debian package Cuefold needs to build, test and run.
# Safe to run again: packages already present are left alone.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6opengl6-dev libgl-dev
  qt6-svg-dev
  libmpv-dev libjpeg-dev libavformat-dev libavcodec-dev libavfilter-dev libswresample-dev libavutil-dev
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick time ffmpeg python3
  fonts-dejavu-core
  libhunspell-dev hunspell-cs hunspell-en-us
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
