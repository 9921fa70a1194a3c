#!/usr/bin/env bash
# Empties a simulator folder so that the next flight starts cold and dark:
# the saved cockpit state, Aircraft.cfg and the navigation data copies go
# (simhost lays them out anew); the sound pack in Sound/HalcyonPro stays, as
# it takes a while to make. `make demo` runs it on out/root before each demo.
#
# Usage: tools/fresh_root.sh <simulator folder>
set -euo pipefail
root="${1:?usage: $0 <simulator folder>}"
[ -d "$root" ] || exit 0
resolved="$(cd "$root" && pwd -P)"
if [ "$resolved" = / ] || [ "$resolved" = "$(cd ~ && pwd -P)" ]; then
  echo "fresh_root: refusing to empty $resolved" >&2
  exit 1
fi
find "$resolved" -mindepth 1 -maxdepth 1 ! -name Sound -exec rm -rf {} +
if [ -d "$resolved/Sound" ]; then
  find "$resolved/Sound" -mindepth 1 -maxdepth 1 ! -name HalcyonPro -exec rm -rf {} +
fi
