#!/usr/bin/env bash
# Empties a simulator folder so that the next flight starts cold and dark:
# the saved cockpit state, Aircraft.cfg and the navigation data copies go
# (simhost lays them out anew); the sound pack in Sound/HalcyonPro stays, as
# it takes a while to make. `make demo` runs it on out/root before each demo.
#
# It empties only a folder that simhost laid out (its aircraft folder
# SimObjects/Airplanes/QZ Halcyon Pro is there), one left holding nothing but
# the sound pack, or an empty one; a folder that does not exist yet is fine
# too. Anything else (a checkout, the output folder, a home folder) is
# refused and left as it is.
#
# Usage: tools/fresh_root.sh <simulator folder>
set -euo pipefail

usage() {
  echo "usage: $0 <simulator folder>" >&2
  echo "  empties a folder simhost laid out (by default out/root) for a cold and dark start;" >&2
  echo "  the sound pack in <folder>/Sound/HalcyonPro stays" >&2
  exit 2
}

refuse() {
  echo "fresh_root: refusing to empty $1: $2; nothing was removed" >&2
  exit 1
}

[ $# -eq 1 ] && [ -n "$1" ] || usage
root="$1"
[ -e "$root" ] || [ -L "$root" ] || exit 0
[ -d "$root" ] || refuse "$root" "it is not a folder"
resolved="$(cd "$root" && pwd -P)"
if [ "$resolved" = / ] || [ "$resolved" = "$(cd ~ && pwd -P)" ]; then
  refuse "$resolved" "it is / or the home folder"
fi
[ -e "$resolved/.git" ] && refuse "$resolved" "it holds .git (a checkout, not a simulator folder)"

aircraft="SimObjects/Airplanes/QZ Halcyon Pro"
if [ ! -d "$resolved/$aircraft" ]; then
  # Empty, or nothing but the sound pack an earlier fresh start kept: fine.
  others="$(find "$resolved" -mindepth 1 -maxdepth 1 ! -name Sound -print -quit)"
  extra_sound="$(find "$resolved" -mindepth 2 -maxdepth 2 -path "$resolved/Sound/*" ! -name HalcyonPro -print -quit 2>/dev/null || true)"
  if [ -n "$others" ] || [ -n "$extra_sound" ] || { [ -e "$resolved/Sound" ] && [ ! -d "$resolved/Sound" ]; }; then
    refuse "$resolved" "it is not a simulator folder (no $aircraft in it)"
  fi
fi

find "$resolved" -mindepth 1 -maxdepth 1 ! -name Sound -exec rm -rf {} +
if [ -d "$resolved/Sound" ]; then
  find "$resolved/Sound" -mindepth 1 -maxdepth 1 ! -name HalcyonPro -exec rm -rf {} +
fi
