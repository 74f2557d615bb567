#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Faults in the middle of a show, with the real program under Xvfb and openbox: the results
# folder fills up and empties again; the settings folder fills up and turns read-only while
# settings are written; the projector (a RandR monitor) is unplugged under the audience
# window; in a second show the results disk turns read-only (an ext4 image whose error makes
# the kernel remount it so) and the sound server is killed during a turn and started again.
# Each time the show goes on (keys still move the meter), every result stored before the
# fault is exported afterwards, and the program says what happened exactly once (its
# notices are also logged under "ovatron.notices", which is what is counted here). Closing
# on the read-only disk asks, and the results that only memory holds are exported then.
# Usage: run_faults_e2e.sh OVATRON SHOT_PROBE
set -euo pipefail

# The mounts must be private to the test and go with it: the script runs itself again in
# a mount namespace of its own.
if [ -z "${OVATRON_FAULTS_NAMESPACE:-}" ]; then
  export OVATRON_FAULTS_NAMESPACE=1
  why=""
  if [ "$(id -u)" = 0 ]; then
    out="$(unshare --mount true 2>&1)" && exec unshare --mount bash "$0" "$@"
    why="unshare --mount: ${out:-failed}; "
  fi
  out="$(unshare --map-root-user --mount true 2>&1)" && exec unshare --map-root-user --mount bash "$0" "$@"
  # Say what failed: in a chroot, for one, / is no mount point that could be made private,
  # and the kernel refuses a user namespace.
  echo "skipped: no mount namespace of our own (${why}unshare --map-root-user --mount: ${out:-failed})"
  exit 77
fi

ovatron="$1"
probe="$2"
source "$(dirname "$0")/../support/x-session.sh"
require_tools Xvfb openbox xdotool xrandr import pulseaudio pactl paplay sox
mounts=()
faults_cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[i]}" 2>/dev/null || true; done
  x_session_cleanup
}
trap faults_cleanup EXIT
export LANG=C.UTF-8

# One X screen of two monitors side by side, which Qt shows as two screens: the operator's
# on the left, the projector on the right, which can be unplugged.
start_display -screen 0 2560x800x24 -noreset
xrandr --setmonitor operator 1280/338x800/270+0+0 screen >/dev/null
xrandr --setmonitor projector 1280/338x800/270+1280+0 none >/dev/null

# mount_tmpfs FOLDER SIZE: a small file system of the test's own on FOLDER.
mount_tmpfs() {
  mkdir -p "$1"
  mount -t tmpfs -o "size=$2" ovatron-faults "$1" \
    || { echo "skipped: a tmpfs cannot be mounted here"; exit 77; }
  mounts+=("$1")
}

# fill FOLDER: a file takes every free byte of the folder's file system.
fill() { dd if=/dev/zero of="$1/filler" bs=16k status=none 2>/dev/null || true; }

# wait_for_window TITLE: sets found to the visible window titled TITLE, once it shows.
wait_for_window() {
  found="$(timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1)" \
    || fail "no window titled \"$1\" appeared"
}

# close_with_export FILE: closing while the results disk refuses what waits must ask; the
# answer "Export Results..." saves the table to FILE, and then the program ends.
close_with_export() {
  close_window
  wait_for_window '^Results Not Saved$'
  kill -0 "$program" 2>/dev/null || fail "the program ended before the operator answered"
  xdotool windowactivate --sync "$found" >/dev/null 2>&1 || true
  xdotool key Return  # the default answer: Export Results...
  wait_for_window '^Export Results$'
  xdotool windowactivate --sync "$found" >/dev/null 2>&1 || true
  sleep 0.5
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  await_end "after the export"
}

# notices TEXT: how many notices so far contain TEXT.
notices() { grep -F 'ovatron.notices:' "$work/ovatron.log" | grep -cF -- "$1" || true; }

# said_once TEXT WHAT: waits a little for the notice, then asks that it came exactly once.
said_once() {
  for _ in $(seq 50); do [ "$(notices "$1")" -ge 1 ] && break; sleep 0.1; done
  local count
  count="$(notices "$1")"
  [ "$count" = 1 ] || fail "$2 was said $count times, not once (\"$1\")"
  echo "said once: $(grep -F 'ovatron.notices:' "$work/ovatron.log" | grep -F -- "$1")"
}

# keyboard_turn NAME: a contestant measured with SPACE; fails unless the held key lifts the
# meter, which is how the show is seen to go on.
keyboard_turn() {
  xdotool type --delay 60 "$1"
  xdotool key Return
  sleep 0.3
  xdotool keydown space
  sleep 1.2
  shot "turn-$1"
  xdotool keyup space
  local height level
  height="$(value "turn-$1" height)"
  level="$(value "turn-$1" level_row)"
  [ "$level" -ge 0 ] && [ "$level" -lt $((height / 2)) ] \
    || fail "SPACE did not lift the meter for $1 (row $level of $height)"
  sleep 0.3
  xdotool key Escape
  sleep 0.3
}

# audience_x: the left edge of the visible audience window, or nothing.
audience_x() {
  local id
  id="$(xdotool search --onlyvisible --name 'Audience Screen' 2>/dev/null | head -n1 || true)"
  if [ -n "$id" ]; then
    xdotool getwindowgeometry "$id" | sed -n 's/.*Position: \([0-9-]*\),.*/\1/p'
  fi
}

wait_for_audience() {  # wait_for_audience open|closed
  for _ in $(seq 50); do
    local x
    x="$(audience_x)"
    if [ "$1" = open ] && [ -n "$x" ] && [ "$x" -ge 1280 ]; then return 0; fi
    if [ "$1" = closed ] && [ -z "$x" ]; then return 0; fi
    sleep 0.1
  done
  fail "the audience window is not $1 as expected (left edge ${x:-none})"
}

expect_exported() {  # expect_exported NAME...: every one is in the event's export
  "$ovatron" --export "$work/results.csv" || fail "the results could not be exported"
  echo "exported: $(tr '\n' ' ' <"$work/results.csv")"
  for name in "$@"; do
    grep -q ",$name," "$work/results.csv" || fail "$name, stored before a fault, was lost"
  done
}

# --- First show: results and settings on small disks of their own, the audience screen on
# the projector, the keyboard as the input.
private_folders
mount_tmpfs "$XDG_DATA_HOME" 2m
mount_tmpfs "$XDG_CONFIG_HOME" 1m
settings="$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
mkdir -p "$(dirname "$settings")"
printf 'ShowAudienceScreen=1\nxpos=40\nypos=40\nwidth=1000\nheight=600\nstate=1\n' >"$settings"
start_program
wait_for_audience open
keyboard_turn Ana
keyboard_turn Ben

# The results disk fills up, two more turns, then there is room again.
fill "$XDG_DATA_HOME"
keyboard_turn Cem
keyboard_turn Dora
sleep 2.5  # the store tries again meanwhile, and must not say so again
said_once "Results are not being saved" "the full results disk"
rm "$XDG_DATA_HOME/filler"
said_once "Results are being saved again" "saving again"

# Settings are written while their disk is full (F5 closes the audience screen and stores
# that), then after room came back, then while the folder is read-only (F5 twice, and the
# placement on the way out): the file keeps its last good text, one notice per outage.
cp "$settings" "$work/settings-before"
fill "$XDG_CONFIG_HOME"
xdotool key F5
wait_for_audience closed
said_once "Settings are not being saved" "the full settings disk"
cmp -s "$settings" "$work/settings-before" || fail "a failed settings write changed the file"
rm "$XDG_CONFIG_HOME/filler"
xdotool key F5
wait_for_audience open
grep -q '^ShowAudienceScreen=1$' "$settings" || fail "settings were not written once there was room"
cp "$settings" "$work/settings-good"
# A read-only mount of the folder (a bind remount: a user namespace may not remount the tmpfs
# itself, whose owner it does not map).
mount -o remount,bind,ro "$XDG_CONFIG_HOME" || fail "the settings folder could not be made read-only"
xdotool key F5
wait_for_audience closed
xdotool key F5
wait_for_audience open
keyboard_turn Emil
[ "$(notices "Settings are not being saved")" = 2 ] \
  || fail "the read-only settings folder was not said exactly once after the full disk"

# The projector is unplugged under the audience window.
xrandr --delmonitor projector >/dev/null
wait_for_audience closed
said_once "audience screen was disconnected" "the unplugged projector"
keyboard_turn Finn

stop_program
cmp -s "$settings" "$work/settings-good" || fail "the read-only settings file changed"
[ "$(notices "Settings are not being saved")" = 2 ] || fail "closing said the settings failure again"
mount -o remount,bind,rw "$XDG_CONFIG_HOME"
# Everything, from before the full disk and after it.
expect_exported Ana Ben Cem Dora Emil Finn
cp "$work/ovatron.log" "$work/first-show.log"

# --- Second show: the microphone as the input through a sound server of the test's own,
# the results on an ext4 image that the kernel turns read-only after an error.
start_sound_server
sox -n -r 48000 -c 1 "$work/noise.wav" synth 2 pinknoise vol 0.3
private_folders mic
printf 'UseMicrophone=1\nxpos=40\nypos=40\nwidth=1000\nheight=600\nstate=1\n' \
  >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
ext4=false
if command -v mkfs.ext4 >/dev/null && truncate -s 8M "$work/results.img" \
    && mkfs.ext4 -q -F "$work/results.img" \
    && mount -o loop,errors=remount-ro "$work/results.img" "$XDG_DATA_HOME" 2>/dev/null; then
  mounts+=("$XDG_DATA_HOME")
  ext4=true
else
  echo "skipped part: no loop-mounted ext4 here, so the results disk cannot turn read-only"
fi

start_program
# applauded_turn NAME: the room's noise lifts the meter through the microphone.
applauded_turn() {
  xdotool type --delay 60 "$1"
  xdotool key Return
  sleep 0.3
  paplay --device=hall "$work/noise.wav" || fail "paplay could not play into the test's sink"
  sleep 0.5
  xdotool key Escape
  sleep 0.3
}
applauded_turn Gus
applauded_turn Hal

if $ext4; then
  device="$(findmnt -n -o SOURCE "$XDG_DATA_HOME")"
  echo 1 >"/sys/fs/ext4/$(basename "$device")/trigger_fs_error"
  # The mount table keeps saying rw (the kernel adds "emergency_ro"); a write tells.
  ! touch "$XDG_DATA_HOME/probe" 2>/dev/null || fail "the ext4 image did not turn read-only"
  applauded_turn Ida
  sleep 2.5
  said_once "Results are not being saved" "the read-only results disk"
  said_once "events.sqlite cannot be written" "the cause, a read-only disk,"
fi

# The sound server dies during a turn: the keyboard takes over, said once; then it comes back
# on the same socket.
xdotool type --delay 60 "Jo"
xdotool key Return
sleep 0.3
kill -9 "$(head -n1 "$XDG_RUNTIME_DIR/pulse/pid")"
said_once "the meter follows the keyboard" "the killed sound server"
xdotool keydown space
sleep 1.2
shot turn-Jo
xdotool keyup space
[ "$(value turn-Jo level_row)" -lt $(($(value turn-Jo height) / 2)) ] \
  || fail "SPACE did not lift the meter after the sound server died"
xdotool key Escape
bash "$(dirname "$0")/../support/pulse-server.sh" start "$XDG_RUNTIME_DIR" >/dev/null
for _ in $(seq 100); do [ "$(notices "is back")" -ge 1 ] && break; sleep 0.1; done
if [ "$(notices "is back")" -ge 1 ]; then
  said_once "is back" "the microphone's return"
  applauded_turn Kai
else
  echo "the microphone did not come back after the sound server restarted"
fi
[ "$(notices "the meter follows the keyboard")" = 1 ] || fail "the sound server's death was said again"

if $ext4; then
  # The results after the fault wait in memory only: closing asks, and the operator exports
  # them elsewhere; none may be lost.
  close_with_export "$work/closing.csv"
  echo "exported on closing: $(tr '\n' ' ' <"$work/closing.csv")"
  for name in Gus Hal Ida Jo; do
    grep -q ",$name," "$work/closing.csv" || fail "$name is missing from the export on closing"
  done
  umount "$XDG_DATA_HOME"
  mount -o loop "$work/results.img" "$XDG_DATA_HOME"
else
  stop_program
fi
expect_exported Gus Hal
echo "1 passed, 0 failed"
