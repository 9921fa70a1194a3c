#!/usr/bin/env bash
# Makes a simulator folder start cold and dark again: removes, file by file,
# what the cockpit and simhost saved in it, and nothing else. Other aircraft,
# scenery, sounds, programs and every other file stay as they are, and so do
# the files of the cockpit that are the user's to keep: the sound pack in
# Sound/HalcyonPro, the navigation data in Navigraph/NavData and the Mentor
# lessons (simhost copies each only where it is missing, so an edited one
# stays edited) and KeyboardInput.ini (the cockpit writes it only where it
# is missing, for the user to fill in). `make demo` runs it on out/root
# before each demo.
#
# It works only on a simulator folder simhost laid out (its aircraft folder
# SimObjects/Airplanes/QZ Halcyon Pro is there), one holding nothing but the
# sound pack, or an empty one; a path that does not exist, or anything else
# (a checkout, the output folder, a home folder), is refused with a message
# and left as it is.
#
# Usage: tools/fresh_root.sh <simulator folder>
set -euo pipefail

usage() {
  echo "usage: $0 <simulator folder>" >&2
  echo "  removes the cockpit a run saved in a simulator folder simhost laid out (make demo's is out/root)," >&2
  echo "  for a cold and dark start; every other file stays, the sound pack, the navigation data, the" >&2
  echo "  Mentor lessons and KeyboardInput.ini included" >&2
  exit 2
}

refuse() {
  local hint=""
  [ -d "$1/root/SimObjects" ] && hint=" (the simulator folder in it is $1/root)"
  echo "fresh_root: refusing to clean $1: $2; nothing was removed$hint" >&2
  exit 1
}

[ $# -eq 1 ] && [ -n "$1" ] || usage
root="$1"
if [ ! -e "$root" ] && [ ! -L "$root" ]; then
  echo "fresh_root: $root does not exist; nothing was removed (give the simulator folder a run used: --root, or <out>/root)" >&2
  exit 1
fi
[ -d "$root" ] || refuse "$root" "it is not a folder"
resolved="$(cd "$root" && pwd -P)"
if [ "$resolved" = / ] || [ "$resolved" = "$(cd ~ && pwd -P)" ]; then
  refuse "$resolved" "it is / or the home folder"
fi
[ -e "$resolved/.git" ] && refuse "$resolved" "it holds .git (a checkout, not a simulator folder)"

aircraft="SimObjects/Airplanes/QZ Halcyon Pro"
if [ ! -d "$resolved/$aircraft" ]; then
  # Empty, or nothing but a sound pack: nothing of the cockpit's to remove.
  others="$(find "$resolved" -mindepth 1 -maxdepth 1 ! -name Sound -print -quit)"
  extra_sound="$(find "$resolved" -mindepth 2 -maxdepth 2 -path "$resolved/Sound/*" ! -name HalcyonPro -print -quit 2>/dev/null || true)"
  if [ -n "$others" ] || [ -n "$extra_sound" ] || { [ -e "$resolved/Sound" ] && [ ! -d "$resolved/Sound" ]; }; then
    refuse "$resolved" "it is not a simulator folder (no $aircraft in it)"
  fi
  exit 0
fi

# What the cockpit and simhost save, below the simulator folder (the
# aircraft folder's saved files are kCockpitSavedFiles in simhost/sim_root.h;
# a test holds this list to it). Names are matched without regard to case, as
# the cockpit finds its files.
saved=(
  "$aircraft/HalcyonPro.ini"      # the cockpit's switches, options and systems
  "$aircraft/FMS.ini"             # the FMS's alignment, position and pages
  "$aircraft/Aircraft.cfg"        # laid out by simhost; the cockpit writes its flap values into it
  "$aircraft/Departure plan.txt"  # the dispatch page's departure card
  "Gauges/HalcyonMemleak.ini"     # the memory-leak report of the shut-down
)
spares=(
  # The INI layer's spare copies, left by a save cut short (the file itself
  # is whole), of the cockpit's INI files and the lessons it edits. Each is
  # one process's own, named with its process number: `.<pid>` stands for a
  # dot and digits, with "-" and digits more where a killed run of that
  # number left one, or for nothing (the name earlier runs gave them).
  "$aircraft/HalcyonPro.ini.<pid>.saving" "$aircraft/FMS.ini.<pid>.saving"
  "$aircraft/KeyboardInput.ini.<pid>.saving" "$aircraft/Aircraft.cfg.<pid>.saving"
  "$aircraft/Mentor/*.mentor.<pid>.saving" "Gauges/HalcyonMemleak.ini.<pid>.saving"
  # simhost's spares of the files it lays out where they are missing, left
  # by a run killed as it wrote one (the file itself is whole or absent):
  # "<file>.<pid>.laying-out", or without the number, as earlier runs named
  # Aircraft.cfg's.
  "$aircraft/Aircraft.cfg.<pid>.laying-out" "$aircraft/Mentor/*.mentor.<pid>.laying-out"
  "Navigraph/NavData/airports.txt.<pid>.laying-out" "Navigraph/NavData/navaids.txt.<pid>.laying-out"
  "Navigraph/NavData/waypoints.txt.<pid>.laying-out" "Navigraph/NavData/magvar.txt.<pid>.laying-out"
  "Navigraph/NavData/LICENSE-airports.txt.<pid>.laying-out"
  # The probes that a folder takes files, of the simulator folder and of the
  # aircraft folder, that earlier runs cut short left.
  ".simhost-can-write-*" "$aircraft/.simhost-can-write-*"
)
# Not here: this cockpit writes no debug dumps (TestData.ini,
# TestDataLegs.ini) and saves no flight plans (.FMSQ): files of those names
# are someone else's.

# Each name as a pattern of the whole path: its `*` stays within one name.
pattern=""
for path in "${saved[@]}" "${spares[@]}"; do
  regex="$(printf '%s' "$path" | sed -e 's/[].[^$\\+?(){}|]/\\&/g' -e 's/\*/[^\/]*/g' \
    -e 's/\\\.<pid>/(\\.[0-9]+(-[0-9]+)?)?/g')"
  pattern="${pattern:+$pattern|}$regex"
done
# A folder, or a link to one, of one of those names is not the cockpit's: it stays.
cd "$resolved"
if ! find . -mindepth 1 -maxdepth 5 -regextype posix-extended -iregex "\./($pattern)" ! -type d ! -xtype d -delete; then
  echo "fresh_root: could not remove all of the saved cockpit in $resolved (see above)" >&2
  exit 1
fi
