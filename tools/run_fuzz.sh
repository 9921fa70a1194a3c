#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a bounded time
# on a scratch copy of its seed corpus. Fails when a target finds a crash; the
# input that crashed it is kept (in build-fuzz/artifacts/<target>/, or
# $FUZZ_ARTIFACTS) and its path and bytes, escaped, are printed, so a crash
# found on a build machine can be replayed: build-fuzz/bin/<target> <file>.
#
# Usage: tools/run_fuzz.sh [seconds]
#   FUZZ_TARGETS="prog ..."  runs these target programs instead of building them
#   FUZZ_ARTIFACTS=folder    where the crashing inputs are kept
set -euo pipefail
seconds="${1:-60}"
cd "$(dirname "$0")/.."

if [ -n "${FUZZ_TARGETS:-}" ]; then
  read -r -a targets <<<"$FUZZ_TARGETS"
else
  cmake -S . -B build-fuzz -G Ninja -DHALCYON_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  ninja -C build-fuzz
  shopt -s nullglob
  targets=(build-fuzz/bin/fuzz_*)
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no targets"
  exit 0
fi
artifacts="${FUZZ_ARTIFACTS:-build-fuzz/artifacts}"
mkdir -p "$artifacts"
artifacts="$(cd "$artifacts" && pwd)"

# An input as a log line: printable ASCII as it is, every other byte (and the
# backslash) as \xNN; the first 1024 bytes.
escaped() { head -c 1024 "$1" | perl -0777 -ne 'print map { $_ >= 0x20 && $_ < 0x7F && $_ != 0x5C ? chr : sprintf("\\x%02X", $_) } unpack("C*", $_)'; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
pids=()
for target in "${targets[@]}"; do
  name=$(basename "$target")
  case "$target" in /*) program="$target" ;; *) program="$PWD/$target" ;; esac
  corpus="$scratch/${name#fuzz_}"
  # This run's crashes only: an old one of the same target is not reported again.
  rm -rf "${artifacts:?}/$name"
  mkdir -p "$corpus" "$artifacts/$name"
  cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/" 2>/dev/null || true
  (cd "$scratch" && "$program" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/$name/" "$corpus" >"$scratch/$name.log" 2>&1) &
  pids+=("$!:$name")
done
status=0
for entry in "${pids[@]}"; do
  pid=${entry%%:*}
  name=${entry#*:}
  if wait "$pid"; then
    echo "fuzz: $name ran ${seconds}s, $(grep -o 'stat::number_of_executed_units: [0-9]*' "$scratch/$name.log" | awk '{print $2}') inputs, no crash"
    rmdir "$artifacts/$name" 2>/dev/null || true
  else
    echo "fuzz: $name FAILED"; tail -40 "$scratch/$name.log"; status=1
    found=0
    for input in "$artifacts/$name"/*; do
      [ -f "$input" ] || continue
      found=1
      echo "fuzz: $name input kept: $input ($(wc -c <"$input") bytes)"
      echo "fuzz: bytes: $(escaped "$input")"
    done
    [ "$found" = 1 ] || echo "fuzz: $name kept no input (see its log above)"
  fi
done
exit $status
