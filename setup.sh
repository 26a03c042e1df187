#!/usr/bin/env bash
# Installs the Debian 12 packages that Veltrane needs to build, test and run.
# Installs only what is missing; safe to run again at any time.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev libqt6dbus6
  libcurl4-openssl-dev
  fonts-wqy-microhei
  dbus-daemon util-linux tzdata
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
