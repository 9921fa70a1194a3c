#!/usr/bin/env bash
# Empties a simulator folder so that the next flight starts cold and dark:
# the saved cockpit (the aircraft's INI files, Aircraft.cfg, saved flight
# plans) and whatever else simhost lays out anew go. What is the user's, or
# takes a while to make, stays: the sound pack in Sound/HalcyonPro, the
# navigation data in Navigraph/NavData, the Mentor lessons and
# KeyboardInput.ini of the aircraft folder. `make demo` runs it on out/root
# before each demo.
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
  echo "  empties a folder simhost laid out (make demo's is out/root) for a cold and dark start;" >&2
  echo "  the sound pack, the navigation data, the Mentor lessons and KeyboardInput.ini stay" >&2
  exit 2
}

refuse() {
  local hint=""
  [ -d "$1/root/SimObjects" ] && hint=" (the simulator folder in it is $1/root)"
  echo "fresh_root: refusing to empty $1: $2; nothing was removed$hint" >&2
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

# Everything but what stays, folder by folder.
keep_only() {  # FOLDER NAME... : removes what FOLDER holds but the NAMEs
  local folder="$1"
  shift
  [ -d "$folder" ] || return 0
  local args=()
  for name in "$@"; do args+=(! -name "$name"); done
  find "$folder" -mindepth 1 -maxdepth 1 "${args[@]}" -exec rm -rf {} +
}
keep_only "$resolved" Sound Navigraph SimObjects
keep_only "$resolved/Sound" HalcyonPro
keep_only "$resolved/Navigraph" NavData
keep_only "$resolved/SimObjects" Airplanes
keep_only "$resolved/SimObjects/Airplanes" "QZ Halcyon Pro"
keep_only "$resolved/$aircraft" Mentor KeyboardInput.ini
