#!/usr/bin/env bash
# Installs what building, testing and the demo need, when it is missing.
# Debian packages only; asks for nothing when everything is there.
set -euo pipefail

packages=(cmake ninja-build g++ make libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev espeak-ng sox
          pkg-config libcairo2-dev fonts-urw-base35 fonts-dejavu-core libsndfile1-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
