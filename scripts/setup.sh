#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Quick and silent when everything is present; runs apt-get update only when
# something is missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev
  fonts-ipafont-gothic
  xvfb xauth x11-utils imagemagick
  clang-14 libclang-rt-14-dev
  util-linux
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q "${missing[@]}"
