#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a bounded time
# on a scratch copy of its seed corpus. Fails when a target finds a crash.
set -euo pipefail
seconds="${1:-60}"
cd "$(dirname "$0")/.."

cmake -S . -B build-fuzz -G Ninja -DHALCYON_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build-fuzz

shopt -s nullglob
targets=(build-fuzz/bin/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no targets"
  exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
pids=()
for target in "${targets[@]}"; do
  name=$(basename "$target")
  corpus="$scratch/${name#fuzz_}"
  mkdir -p "$corpus" "$scratch/artifacts-$name"
  cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/" 2>/dev/null || true
  (cd "$scratch" && "$OLDPWD/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$scratch/artifacts-$name/" "$corpus" >"$scratch/$name.log" 2>&1) &
  pids+=("$!:$name")
done
status=0
for entry in "${pids[@]}"; do
  pid=${entry%%:*}
  name=${entry#*:}
  if wait "$pid"; then
    echo "fuzz: $name ran ${seconds}s, $(grep -o 'stat::number_of_executed_units: [0-9]*' "$scratch/$name.log" | awk '{print $2}') inputs, no crash"
  else
    echo "fuzz: $name FAILED"; tail -40 "$scratch/$name.log"; status=1
  fi
done
exit $status
