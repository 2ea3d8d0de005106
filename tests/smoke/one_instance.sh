#!/usr/bin/env bash
# One copy per program folder on the machine: a second claim on a folder is
# refused, whoever makes it; another folder is free; a killed holder leaves
# no claim behind. Usage: one_instance.sh INSTANCE_PROBE
set -euo pipefail
probe="$1"
work="$(mktemp -d)"
holder=""
cleanup() {
  if [ -n "$holder" ]; then kill -9 "$holder" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/café/Kestrane" "$work/other/Kestrane"
chmod 755 "$work"
here="$work/café/Kestrane/"
other="$work/other/Kestrane/"

hold() { # folder [command prefix...] -> sets $holder once the claim is held
  local folder="$1"
  shift
  "$@" "$probe" "$folder" hold >"$work/holder.out" &
  holder=$!
  for _ in $(seq 1 100); do
    grep -q claimed "$work/holder.out" && return 0
    sleep 0.05
  done
  echo "the holder did not claim $folder"
  exit 1
}

expect() { # claimed|refused folder what
  local got
  got=$("$probe" "$2" || true)
  [ "$got" = "$1" ] || { echo "$3: $got, not $1"; exit 1; }
  echo "$3: $got"
}

release() {
  kill -9 "$holder"
  wait "$holder" 2>/dev/null || true
  holder=""
}

hold "$here"
expect refused "$here" "same folder while held"
expect refused "${here%/}" "same folder without the trailing separator"
expect claimed "$other" "another folder"
release
expect claimed "$here" "same folder after the holder was killed"

as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && "${as_nobody[@]}" test -x "$probe"; then
  hold "$here" "${as_nobody[@]}"
  expect refused "$here" "folder held by another user"
  release
fi
