#!/usr/bin/env bash
# Installs whatever Debian packages the build, the tests and headless runs need
# (through apt, with sudo when not root), then configures and builds into build/.
# Sourced by run.sh and test.sh; safe to run again: it only installs what is missing.
set -euo pipefail

QM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QM_BUILD="${QM_BUILD:-$QM_ROOT/build}"

QM_PACKAGES=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-multimedia-dev gstreamer1.0-plugins-good qt6-image-formats-plugins qt6-webengine-dev qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils imagemagick poppler-utils fonts-liberation2 fonts-dejavu-core strace util-linux
)

qm_install_packages() {
  local missing=()
  for p in "${QM_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}"
    local SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

qm_build() {
  local gen=()
  if command -v ninja >/dev/null; then gen=(-G Ninja); fi
  if [ ! -f "$QM_BUILD/CMakeCache.txt" ]; then
    cmake -S "$QM_ROOT" -B "$QM_BUILD" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$QM_BUILD" -j"$(nproc)"
}

qm_install_packages
qm_build
