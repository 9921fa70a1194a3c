#!/usr/bin/env bash
# Makes the cockpit's sound pack: one WAV file for every named sound slot of
# host/sound_slots.h, 22050 Hz 16-bit mono, into the folder given (the host
# passes <simulator root>/Sound/HalcyonPro). Voices and callouts are spoken by
# espeak-ng; clicks, chimes, horns and wind noises are made with sox. Files
# already present are kept, so running it again only fills gaps.
#
# Usage: tools/make_sound_pack.sh <folder>
set -euo pipefail

out="${1:?usage: $0 <folder>}"
here="$(cd "$(dirname "$0")" && pwd)"
table="$here/../host/sound_slots.h"

for tool in espeak-ng sox; do
  command -v "$tool" >/dev/null || { echo "make_sound_pack: $tool is not installed" >&2; exit 1; }
done

# The slot table has one quoted name per row, in slot order.
mapfile -t names < <(sed -n 's/^ *L"\([^"]*\)",.*$/\1/p' "$table")
if [ "${#names[@]}" -ne 250 ]; then
  echo "make_sound_pack: expected 250 slot names in $table, found ${#names[@]}" >&2
  exit 1
fi

mkdir -p "$out"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

readonly FORMAT=(-r 22050 -b 16 -c 1)

# "07" -> "7", so espeak says "seven" and not "zero seven".
num() { echo $((10#$1)); }

# What a voice slot says, in words espeak reads well.
spoken() {
  local name="$1" last="${1##* }"
  case "$name" in
    "Checklist 00 00") echo "checklist complete" ;;
    Checklist\ *)
      local list item
      read -r _ list item <<<"$name"
      echo "checklist $(num "$list"), item $(num "$item")" ;;
    "Callout 60kts Manual Braking") echo "sixty knots. manual braking" ;;
    "Callout Auto Throttle On") echo "auto throttle on" ;;
    Callout\ Altitude\ *) echo "altitude call $(num "$last")" ;;
    Callout\ Engine\ Start\ *) echo "engine start, step $(num "$last")" ;;
    Callout\ Flaps\ *) echo "flaps call $(num "$last")" ;;
    Callout\ Gear\ *) echo "gear call $(num "$last")" ;;
    Callout\ TO\ *) echo "takeoff call $(num "$last")" ;;
    Callout\ *) echo "${name#Callout }" ;;
    Ground\ Com\ *) echo "cockpit, ground. message $(num "$last")" ;;
    "TCAS Traffic Traffic") echo "traffic, traffic" ;;
    "TCAS Maintain Vertical Speed Maintain") echo "maintain vertical speed, maintain" ;;
    "TCAS Maintain Vertical Speed Crossing Maintain") echo "maintain vertical speed, crossing, maintain" ;;
    "TCAS Climb Climb") echo "climb, climb" ;;
    "TCAS Climb Crossing Climb") echo "climb, crossing climb. climb, crossing climb" ;;
    "TCAS Descend Descend") echo "descend, descend" ;;
    "TCAS Descend Crossing Descend") echo "descend, crossing descend. descend, crossing descend" ;;
    "TCAS Adjust Vertical Speed") echo "adjust vertical speed, adjust" ;;
    "TCAS Increase Climb") echo "increase climb, increase climb" ;;
    "TCAS Increase Descent") echo "increase descent, increase descent" ;;
    "TCAS Test OK") echo "T cast system test OK" ;;
    TCAS\ *) echo "${name#TCAS }" ;;
    "GPWS Dont Sink") echo "don't sink. don't sink" ;;
    "GPWS Sinkrate") echo "sink rate. sink rate" ;;
    "GPWS Terrain") echo "terrain. terrain" ;;
    "GPWS To Low Flaps") echo "too low, flaps" ;;
    "GPWS To Low Gear") echo "too low, gear" ;;
    "GPWS To Low Terrain") echo "too low, terrain" ;;
    "GPWS Whoop") echo "whoop whoop. pull up" ;;
    GPWS\ *) echo "${name#GPWS }" ;;
    "TO Spoiler") echo "spoilers" ;;
    TO\ *) echo "${name#TO }" ;;
    "Stall Warning") echo "stall. stall" ;;
    "Overspeed Warning") echo "overspeed" ;;
    "Overspeed Slats Warning") echo "slat overspeed" ;;
    "AP Disconnect") echo "autopilot" ;;
    "Fire Right Engine") echo "fire, right engine" ;;
    "Fire Left Engine") echo "fire, left engine" ;;
    *) echo "$name" ;;
  esac
}

# Voices: the first officer for checklists and callouts, the ground crew over
# the interphone, the aircraft's own warning voice for the rest.
speak() {
  local name="$1" target="$2" voice="en-us+m3" speed=165 effects=(norm -3)
  case "$name" in
    Ground\ Com\ *) voice="en-gb+m1"; effects=(highpass 300 lowpass 3000 norm -4) ;;
    Checklist\ * | Callout\ *) ;;
    *) voice="en-us+m7"; speed=175 ;;
  esac
  espeak-ng -v "$voice" -s "$speed" -w "$scratch/voice.wav" "$(spoken "$name")"
  sox "$scratch/voice.wav" "${FORMAT[@]}" "$target" "${effects[@]}"
}

synth() { sox -n "${FORMAT[@]}" "$@"; }

# A decaying tone with one overtone, for chimes.
chime_note() { synth "$1" synth "$3" sine "$2" sine "$(($2 * 2))" remix 1,2 fade q 0.005 "$3" "$3" vol 0.5; }

# Sounds that are not spoken; returns 1 for a name that is a voice.
make_effect() {
  local name="$1" target="$2"
  case "$name" in
    -gear_wind) synth "$target" synth 4 brownnoise vol 0.5 lowpass 600 norm -8 ;;
    -spoiler_wind) synth "$target" synth 4 pinknoise vol 0.5 highpass 150 lowpass 1800 norm -9 ;;
    -brake_rub)
      synth "$target" synth 1.5 brownnoise vol 0.5 bandpass 250 150 tremolo 14 70 fade q 0.05 1.5 0.3 norm -6 ;;
    -minimums) synth "$target" synth 2 sine 1000 vol 0.4 ;;
    -seat_belt)
      chime_note "$scratch/a.wav" 880 1.2
      sox "$scratch/a.wav" "$target" norm -3 ;;
    -attendant_call)
      chime_note "$scratch/a.wav" 1175 0.7
      chime_note "$scratch/b.wav" 880 1.0
      sox "$scratch/a.wav" "$scratch/b.wav" "$target" norm -3 ;;
    "Altitude Alert")
      chime_note "$scratch/a.wav" 523 1.0
      chime_note "$scratch/b.wav" 659 1.0
      chime_note "$scratch/c.wav" 784 1.0
      sox -m "$scratch/a.wav" "$scratch/b.wav" "$scratch/c.wav" "$target" norm -3 ;;
    "Altitude Alert 2") synth "$target" synth 0.25 sine 1000 pad 0 0.15 repeat 2 vol 0.4 ;;
    "Gear Warning") synth "$target" synth 1 square 300 vol 0.5 lowpass 2500 norm -10 ;;
    "Stabilizer Motion") synth "$target" synth 0.03 square 50 pad 0 0.17 repeat 9 norm -6 ;;
    Switch\ *)
      # Each switch kind its own click: brighter and shorter for push buttons.
      local cut=1800 length=0.015
      case "$name" in
        *PB*) cut=3000; length=0.010 ;;
        *RC*) cut=1200; length=0.020 ;;
        *RS*) cut=900; length=0.025 ;;
      esac
      cut=$((cut + 150 * ${name: -1}))
      synth "$target" synth "$length" whitenoise vol 0.5 highpass "$cut" \
        fade q 0.001 "$length" 0.008 pad 0 0.04 norm -3 ;;
    *) return 1 ;;
  esac
}

made=0
kept=0
for name in "${names[@]}"; do
  [ -n "$name" ] || continue
  if [ "${name:0:1}" = "-" ]; then
    file="VXMD80$name.wav"
  else
    file="VXMD80 $name.wav"
  fi
  target="$out/$file"
  if [ -e "$target" ]; then
    kept=$((kept + 1))
    continue
  fi
  # Made aside and moved in whole, so an interrupted run leaves no half file.
  if ! make_effect "$name" "$scratch/out.wav"; then
    speak "$name" "$scratch/out.wav"
  fi
  mv "$scratch/out.wav" "$target"
  made=$((made + 1))
done
echo "make_sound_pack: $made made, $kept kept (present already or named twice), in $out"
