#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tessera need,
# only those that are missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  ccache
  fonts-dejavu-core
  libxml2-utils   # xmllint: tests check the GSDML file with it
  util-linux      # unshare: device-update tests run in their own network namespace
  iproute2 procps # ip and sysctl inside that namespace
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
