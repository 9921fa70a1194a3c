#!/bin/bash
# Breaks the code on purpose once and shows which tests catch it:
#   tests/break.sh FILE 'TEXT' 'REPLACEMENT' [BUILD-FOLDER]
# replaces the first TEXT of FILE (taken literally) by REPLACEMENT, builds,
# runs the whole suite, lists the tests that failed, and puts FILE back as it
# was (also when interrupted). No failed test means a missing test.
set -u
if [ $# -lt 3 ]; then
  echo "usage: $0 FILE 'TEXT' 'REPLACEMENT' [BUILD-FOLDER]" >&2
  exit 2
fi
file=$1
build=${4:-build}
backup=$(mktemp)
cp -p "$file" "$backup"
restore() {
  cp -p "$backup" "$file"
  rm -f "$backup"
  touch "$file"
}
trap restore EXIT INT TERM

FROM=$2 TO=$3 perl -0pi -e 'BEGIN { $from = $ENV{FROM}; $to = $ENV{TO} } s/\Q$from\E/$to/' "$file"
if cmp -s "$file" "$backup"; then
  echo "'$2' is not in $file" >&2
  exit 2
fi
echo "== $file: '$2' -> '$3'"
if ! ninja -C "$build" -j4 >/tmp/break-build.log 2>&1; then
  echo "the broken code does not build (see /tmp/break-build.log)" >&2
  exit 2
fi
failed=$(ctest --test-dir "$build" -j4 2>&1 | sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Failed.*/\1/p')
if [ -z "$failed" ]; then
  echo "no test fails: add one that does"
  exit 1
fi
echo "failed:"
echo "$failed" | sed 's/^/  /'
