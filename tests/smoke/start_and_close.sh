#!/usr/bin/env bash
# Starts the real program on a copy of its program folder, as a user would:
# splash, main window, a refused second start, and closing through the
# program's own question. Runs inside xvfb-run.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
# A folder of its own, so a copy started from the build tree does not count,
# under a name holding a byte that is not UTF-8 (the Latin-1 u-umlaut a folder
# on a Windows share may have): the program must still find its own files.
folder="$work/$(printf 'B\xfcro')/Kestrane"
mkdir -p "$(dirname "$folder")"
cp -r "$1" "$folder"
rm -f "$folder/_KSF/KSystem/qxsabusr.dat"
exe="$folder/Kestrane"

wait_window() { # name, seconds -> prints the window id
  local deadline=$((SECONDS + $2)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.2
  done
  echo "window '$1' did not appear within $2 s" >&2
  return 1
}

press_return() { # answers a message box with its default button
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.3
  xdotool key Return
}

"$exe" &
pids+=($!)
main_pid=$!
splash=$(wait_window "Kestrane starting" 15)
echo "splash window: $splash"
# A new data folder has no bookings yet: the day list of today says so once.
box=$(wait_window "Kestrane" 20)
echo "start-up message: $(xdotool getwindowname "$box")"
press_return "$box"
main=$(wait_window "Brantholm Solutions Kestrane" 20)
echo "main window: $main"

# A booking typed as a user types it, saved with Alt+S: F7 starts it in the
# first-name box, Tab walks the form, Down chooses the first department.
xdotool windowfocus --sync "$main" 2>/dev/null || true
sleep 0.5
xdotool key F7
sleep 1
xdotool type --delay 60 "Jo"
xdotool key Tab
xdotool type --delay 60 "Li"
xdotool key Tab Tab Tab Tab Tab Tab Down Tab
xdotool type --delay 60 "ACME LTD"
xdotool key alt+s
box=$(wait_window "Kestrane" 10)
press_return "$box"
xdotool windowfocus --sync "$main" 2>/dev/null || true
sleep 0.5
# Had Alt+S typed its letter, the first name would now read "Jos", and this
# second save would store a new booking under that name instead of updating.
xdotool type --delay 60 " X"
xdotool key alt+s
sleep 1.5
month_file="$folder/Kestranedata/Record/$(date +%y%m).vrf"
lines=$(grep -c $'\r$' "$month_file" || true)
[ "$lines" -eq 1 ] || { echo "expected one booking in $month_file, found $lines"; cat -A "$month_file" | cut -c1-80; exit 1; }
first=$(cut -c14-29 "$month_file" | head -n1)
organisation=$(cut -c550-599 "$month_file" | head -n1)
[ "$first" = "Jo              " ] || { echo "stored first name is '$first'"; exit 1; }
[ "$organisation" = "$(printf '%-50s' 'ACME LTD X')" ] || { echo "stored organisation is '$organisation'"; exit 1; }
echo "booking typed and saved with Alt+S: first name '$first'"

# A second desk: a copy of the program folder whose settings name the first
# desk's data folder, as two desks on one network share.
folderB="$work/KestraneB"
cp -r "$folder" "$folderB"
rm -rf "$folderB/Kestranedata"
"$folderB/Kestrane" &
pidB=$!
pids+=($pidB)
# Its main window shows once its splash has gone.
mainB=""
for _ in $(seq 1 100); do
  if [ -z "$(xdotool search --all --onlyvisible --pid "$pidB" --name "^Kestrane starting\$" 2>/dev/null || true)" ]; then
    mainB=$(xdotool search --all --onlyvisible --pid "$pidB" --name "^Brantholm Solutions Kestrane\$" 2>/dev/null | head -n1 || true)
    [ -n "$mainB" ] && break
  fi
  sleep 0.2
done
sleep 0.5
[ -n "$mainB" ] || { echo "the second desk did not open"; exit 1; }
click_at() { # window, x, y (inside the window); the desks overlap, so the window comes to the top first
  xdotool windowraise "$1" 2>/dev/null || true
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.4
}
# The second desk finds the booking and opens it from the search list.
click_at "$mainB" 107 244
xdotool type --delay 60 "ACME"
xdotool key Return
sleep 1
click_at "$mainB" 158 378
# The first desk changes the mobile number and saves; the second changes the
# car registration and saves: both must be stored.
click_at "$main" 576 117
xdotool type --delay 60 "0770"
xdotool key alt+s
sleep 1
click_at "$mainB" 537 143
xdotool type --delay 60 "AB12"
xdotool key alt+s
sleep 1.5
mobile=$(cut -c52-55 "$month_file" | head -n1)
car=$(cut -c69-72 "$month_file" | head -n1)
lines=$(grep -c $'\r$' "$month_file" || true)
[ "$lines" -eq 1 ] && [ "$mobile" = "0770" ] && [ "$car" = "AB12" ] ||
  { echo "two desks: $lines line(s), mobile '$mobile', car '$car'"; cut -c1-80 "$month_file"; exit 1; }
echo "two desks kept both changes: mobile '$mobile', car '$car'"
python3 "$here/wm_close.py" "$mainB"
question=$(wait_window "Kestrane" 10)
press_return "$question"
for _ in $(seq 1 50); do kill -0 "$pidB" 2>/dev/null || break; sleep 0.2; done

size=$(stat -c %s "$folder/_KSF/KSystem/qxsabusr.dat")
[ "$size" -eq 4095 ] || { echo "settings file is $size bytes, not 4095"; exit 1; }

# A second start is refused with its message box and ends.
"$exe" &
second=$!
pids+=($second)
box=$(wait_window "Kestrane Start up" 15)
press_return "$box"
if wait "$second"; then echo "second start did not end with a refusal"; exit 1; fi
echo "second start refused"

# Closing asks the question; OK ends the program.
python3 "$here/wm_close.py" "$main"
question=$(wait_window "Kestrane" 10)
press_return "$question"
for _ in $(seq 1 50); do
  kill -0 "$main_pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$main_pid" 2>/dev/null; then echo "program did not end after the close question"; exit 1; fi
wait "$main_pid"
echo "closed through the question"
