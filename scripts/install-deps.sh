#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tessarook need.
# Only missing packages are installed; apt-get update runs once, and only then.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev libicu-dev
  libenchant-2-dev hunspell-en-us
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  poppler-utils fonts-liberation fonts-dejavu-core
)
if [[ "${1:-}" == "--gui-tools" ]]; then
  # For looking at the running program on a headless machine.
  packages+=(xvfb xauth xdotool imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
