#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures what Ovatron's drawing costs, beside a bare Qt window that repaints in full every
# 20 ms: CPU (the program plus the X server, per cent of one core), the pixels redrawn
# (Mpixel/s, from the DAMAGE extension) and memory (RSS, PSS), in three phases of a turn:
#   held    SPACE held after the level reached 100
#   moving  SPACE pressed and released in a rhythm, so that the level keeps moving
#   idle    no turn: the name entry is shown
# and the time from starting the program to its window being seen. The audience screen's Stage
# look is measured the same way, full screen on a second screen of the same size: stage-rest with SPACE held
# after the level reached 100, stage-moving with the level moving, stage-idle at rest in name
# entry with sound cues on, stage-glide while a new turn's row climbs past eight others (each
# overtaking glides), stage-confetti while the winners' confetti falls; show control's overlay
# connected at rest with cues on is sc-rest. The microphones as the input, a sound file standing
# in for each, a turn under way: mic-one with one microphone, mic-two with two (two capture
# threads, the room's level their energy mean every tick). The same bare window
# repainting only one marker-sized patch every 20 ms gives the floor: what Qt and the X server
# take for any small change per tick, however little is drawn. Each figure is the median of
# the runs (each column on its own); each run starts the program afresh. The shared objects
# each maps once its window shows, every optional part off, are counted and the program's own
# beyond the bare window's named.
#
# Everything runs on an Xvfb of its own (local socket only, no TCP) with openbox, and with
# key auto-repeat off so that a held SPACE stays one press rather than a stream of repeats.
# The program's window is full screen, through its own settings file.
#
# Usage: measure-cost.sh [--size WxH] [--seconds N] [--runs N] [--starts N] [--tools DIR] PROGRAM
#   --size     screen size (default 1600x1000)
#   --seconds  length of each measured phase (default 10)
#   --runs     runs per phase; the median is shown (default 3)
#   --starts   starts timed of each, the program's and the bare window's taking turns
#              (default 15)
#   --tools    the build tree's tools folder with ovatron_bare_window and
#              ovatron_damage_probe (default: PROGRAM's folder/../tools)
set -euo pipefail

usage() {
  awk '/^# Usage:/ { on = 1 } on && !/^#/ { exit } on { sub(/^# ?/, ""); print }' "$0"
}

usage_error() {
  usage >&2
  exit 2
}

die() {
  echo "measure-cost: $*" >&2
  exit 1
}

size=1600x1000
seconds=10
runs=3
starts=15
tools=""
while [ $# -gt 0 ]; do
  case "$1" in
    --size) [ $# -ge 2 ] || usage_error; size="$2"; shift 2 ;;
    --seconds) [ $# -ge 2 ] || usage_error; seconds="$2"; shift 2 ;;
    --runs) [ $# -ge 2 ] || usage_error; runs="$2"; shift 2 ;;
    --starts) [ $# -ge 2 ] || usage_error; starts="$2"; shift 2 ;;
    --tools) [ $# -ge 2 ] || usage_error; tools="$2"; shift 2 ;;
    -h|--help) usage; exit 0 ;;
    --) shift; break ;;
    -*) echo "measure-cost: unknown option $1" >&2; usage_error ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || usage_error
program="$1"

[[ "$size" =~ ^([0-9]{2,5})x([0-9]{2,5})$ ]] || die "--size wants WIDTHxHEIGHT, for instance 1600x1000, not '$size'"
screen_width="${BASH_REMATCH[1]}"
screen_height="${BASH_REMATCH[2]}"
[[ "$seconds" =~ ^[0-9]+$ ]] && [ "$seconds" -ge 1 ] && [ "$seconds" -le 3600 ] \
  || die "--seconds wants a whole number from 1 to 3600, not '$seconds'"
[[ "$runs" =~ ^[0-9]+$ ]] && [ "$runs" -ge 1 ] && [ "$runs" -le 99 ] \
  || die "--runs wants a whole number from 1 to 99, not '$runs'"
[[ "$starts" =~ ^[0-9]+$ ]] && [ "$starts" -ge 1 ] && [ "$starts" -le 99 ] \
  || die "--starts wants a whole number from 1 to 99, not '$starts'"
[ -f "$program" ] && [ -x "$program" ] || die "no program to run at '$program'"
program="$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"
[ -n "$tools" ] || tools="$(dirname "$(dirname "$program")")/tools"
bare="$tools/bare-window/ovatron_bare_window"
probe="$tools/damage-probe/ovatron_damage_probe"
for tool in "$bare" "$probe"; do
  [ -x "$tool" ] || die "missing $tool; build it with: cmake --build TREE --target ovatron_bare_window ovatron_damage_probe (or point --tools at the tree's tools folder)"
done
for command in Xvfb openbox xdotool xset xprop; do
  command -v "$command" >/dev/null \
    || die "missing $command (packages: xvfb openbox xdotool x11-xserver-utils x11-utils)"
done

# Timings and the level's climb (1.5 s to the top) are those of the program; the settle
# times let a freshly started window finish its first layout before anything is counted.
readonly settle_seconds=1.5
readonly climb_seconds=2
readonly rhythm_down_seconds=0.6
readonly rhythm_up_seconds=0.6
readonly window_timeout=30
readonly clock_ticks="$(getconf CLK_TCK)"

work="$(mktemp -d "${TMPDIR:-/tmp}/measure-cost.XXXXXX")"
pids=()
# Everything started is ended by its own pid, newest first, however the script ends.
cleanup() {
  local i
  trap - INT TERM
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "measure-cost: interrupted" >&2; exit 130' INT
trap 'exit 143' TERM
# The programs' runtime folder too, so that nothing of theirs outlives the measurement.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

forget_pid() {
  local keep=() pid
  for pid in "${pids[@]}"; do [ "$pid" = "$1" ] || keep+=("$pid"); done
  pids=("${keep[@]}")
}

# Runs a command in the background and waits for it, so that Ctrl-C and kill are handled
# at once and the command is ended with the rest.
run_waited() {
  "$@" &
  local pid=$!
  pids+=("$pid")
  local status=0
  wait "$pid" || status=$?
  forget_pid "$pid"
  return "$status"
}

pause() {
  run_waited sleep "$1"
}

stop_process() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  forget_pid "$1"
}

# --- the display ---------------------------------------------------------------------------

# A second screen of the same size for the audience screen, which covers it full screen.
Xvfb -displayfd 3 -screen 0 "${size}x24" -screen 1 "${size}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
pids+=("$xvfb")
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || die "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM XAUTHORITY

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xset r off

# --- reading /proc -------------------------------------------------------------------------

# utime + stime of a process, in clock ticks; the name field may hold spaces, so the fields
# are counted from the closing parenthesis.
cpu_ticks() {
  local stat
  stat="$(cat "/proc/$1/stat")" || die "process $1 is gone"
  stat="${stat##*) }"
  awk '{ print $12 + $13 }' <<<"$stat"
}

memory_kib() {
  local rss pss
  rss="$(awk '/^VmRSS:/ { print $2 }' "/proc/$1/status")"
  pss="$(awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup" 2>/dev/null || true)"
  echo "${rss:-0} ${pss:-0}"
}

# The shared objects a process maps, one path a line, sorted.
shared_objects() {
  awk '$6 ~ /\.so(\.[0-9]+)*$/ { print $6 }' "/proc/$1/maps" | sort -u
}

value_of() {
  sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p" <<<"$2"
}

# --- the program ---------------------------------------------------------------------------

# A fresh settings and data folder per start, with the window full screen (and more settings
# lines, when given).
prepare_home() {
  local home="$work/home.$1"
  rm -rf "$home"
  mkdir -p "$home/config/Ovatron" "$home/data" "$home/cache"
  printf '[General]\nfullscreen=1\n' >"$home/config/Ovatron/Ovatron.conf"
  local line
  for line in "${@:2}"; do printf '%s\n' "$line" >>"$home/config/Ovatron/Ovatron.conf"; done
  export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache"
}

# Starts a program; sets app_pid and app_window (its visible window), and gives it the focus.
start_app() {
  local log="$1"
  shift
  "$@" >"$log" 2>&1 &
  app_pid=$!
  pids+=("$app_pid")
  run_waited timeout "$window_timeout" xdotool search --sync --onlyvisible --pid "$app_pid" \
    >"$work/window" 2>/dev/null || true
  app_window="$(head -n1 "$work/window")"
  [ -n "$app_window" ] || die "$1 showed no window within ${window_timeout} s: $(tail -n 3 "$log")"
  xdotool windowactivate --sync "$app_window" >/dev/null 2>&1 || xdotool windowfocus --sync "$app_window"
  pause "$settle_seconds"
}

# Measures one phase over $seconds: appends "PHASE CPU_PROGRAM CPU_X MPIXELS FRAMES RSS PSS"
# (per cent of one core, Mpixel/s, full-window redraws per second, KiB) to the results.
# A second argument measures that many seconds instead (a glide or the confetti lasts a moment).
measure_phase() {
  local phase="$1" length="${2:-$seconds}" program_before x_before start program_after x_after end line
  program_before="$(cpu_ticks "$app_pid")"
  x_before="$(cpu_ticks "$xvfb")"
  start="$EPOCHREALTIME"
  run_waited "$probe" --window "$app_window" --seconds "$length" >"$work/probe.out" 2>"$work/probe.err" \
    || die "the damage probe failed: $(cat "$work/probe.err")"
  end="$EPOCHREALTIME"
  program_after="$(cpu_ticks "$app_pid")"
  x_after="$(cpu_ticks "$xvfb")"
  line="$(cat "$work/probe.out")"
  awk -v phase="$phase" -v p0="$program_before" -v p1="$program_after" -v x0="$x_before" \
      -v x1="$x_after" -v t0="$start" -v t1="$end" -v hz="$clock_ticks" \
      -v mpix="$(value_of mpixels_per_s "$line")" -v frames="$(value_of full_frames_per_s "$line")" \
      -v memory="$(memory_kib "$app_pid")" \
      'BEGIN { split(memory, m, " "); wall = t1 - t0
               printf "%s %.2f %.2f %.3f %.2f %d %d\n", phase, (p1 - p0) / hz / wall * 100,
                      (x1 - x0) / hz / wall * 100, mpix, frames, m[1], m[2] }' >>"$work/results"
}

# Presses and releases SPACE in a rhythm until ended; releases it when ended.
space_rhythm() {
  local sleeper=""
  trap 'kill $sleeper 2>/dev/null; xdotool keyup space; exit 0' TERM
  while :; do
    xdotool keydown space
    sleep "$rhythm_down_seconds" &
    sleeper=$!
    wait "$sleeper"
    xdotool keyup space
    sleep "$rhythm_up_seconds" &
    sleeper=$!
    wait "$sleeper"
  done
}

measure_program_run() {
  local run="$1"
  prepare_home "program.$run"
  start_app "$work/program.$run.log" "$program"
  [ "$run" -gt 1 ] || shared_objects "$app_pid" >"$work/objects.program"
  measure_phase idle
  xdotool type --delay 50 "Ana"
  xdotool key Return
  pause 0.3
  xdotool keydown space
  pause "$climb_seconds"
  measure_phase held
  space_rhythm &
  local rhythm=$!
  pids+=("$rhythm")
  measure_phase moving
  stop_process "$rhythm"
  xdotool keyup space
  stop_process "$app_pid"
}

# A turn measured by one microphone (phase mic-one), then by two (mic-two), each a copy of the
# same room's noise played in a loop, as --audio-file stands in for a microphone.
measure_microphones_run() {
  local run="$1" files=() count
  [ -f "$work/room.wav" ] || /usr/bin/python3 -c '
import random, struct, sys, wave
out = wave.open(sys.argv[1], "wb")
out.setnchannels(1); out.setsampwidth(2); out.setframerate(48000)
random.seed(7)
out.writeframes(b"".join(struct.pack("<h", int(random.gauss(0, 2000))) for _ in range(48000 * 4)))
' "$work/room.wav"
  for count in one two; do
    files+=(--audio-file "$work/room.wav")
    prepare_home "mic-$count.$run" "UseMicrophone=1"
    start_app "$work/mic-$count.$run.log" "$program" "${files[@]}"
    xdotool type --delay 50 "Ana"
    xdotool key Return
    pause 1
    measure_phase "mic-$count"
    stop_process "$app_pid"
  done
}

# Show control and OSC on, the meter at rest and nobody sending (phase osc-rest); show control
# on: the level held at 100 with nobody connected (phase sc-held), then the
# level moving with one overlay's live WebSocket connected (phase sc-moving), whose messages
# a listener counts (appended as "messages PER_SECOND" to the results).
# Counts the live WebSocket's messages for SECONDS and appends "messages PER_SECOND".
listen_live() {
  # The alarm ends the count on time: the server's pings, which recv() answers by itself,
  # would otherwise keep a quiet connection's read from ever timing out.
  /usr/bin/python3 -c '
import signal, sys, time, websocket
class Over(Exception): pass
def over(*_): raise Over()
live = websocket.create_connection(sys.argv[1]); live.recv()
count, start = 0, time.time()
signal.signal(signal.SIGALRM, over)
signal.setitimer(signal.ITIMER_REAL, float(sys.argv[2]))
try:
    while True:
        live.recv(); count += 1
except (Over, websocket.WebSocketTimeoutException):
    pass
print("%s %.2f" % (sys.argv[3], count / (time.time() - start)))' "$@"
}

# A jury of five set up over show control, and each judge's page open and asking for its
# contestants every 2 s, as the page does, for SECONDS; appends "judge-requests PER_SECOND".
judges_polling() {
  /usr/bin/python3 -c '
import json, sys, time, urllib.parse, urllib.request
port, operator, seconds = sys.argv[1], sys.argv[2], float(sys.argv[3])
base = "http://127.0.0.1:%s" % port
def ask(path, token, body=None):
    request = urllib.request.Request(base + path, data=None if body is None else json.dumps(body).encode(),
                                     headers={"Authorization": "Bearer " + token, "Content-Type": "application/json"})
    with urllib.request.urlopen(request, timeout=5) as answer:
        return json.loads(answer.read() or b"null")
judges = ask("/api/jury", operator, {"judges": ["Ines", "Oskar", "Petra", "Quentin", "Rosa"]})["judges"]
tokens = [urllib.parse.parse_qs(urllib.parse.urlparse(j["link"]).query)["token"][0] for j in judges]
count, start = 0, time.time()
while time.time() - start < seconds:
    for token in tokens:
        ask("/api/judge", token); count += 1
    time.sleep(2)
print("judge-requests %.2f" % (count / (time.time() - start)))' "$@"
}

measure_show_control_run() {
  local run="$1" port=$((20000 + RANDOM % 20000)) token listener
  # SoundCues: the cues' setting, so that the figures hold with cues on where the program has them.
  prepare_home "show.$run" Osc=1 OscPort=$((port + 1)) SoundCues=1
  start_app "$work/show.$run.log" "$program" --show-control "$port"
  token="$(sed -n 's/^ShowControlToken=//p' "$XDG_CONFIG_HOME/Ovatron/Ovatron.conf")"
  measure_phase osc-rest
  # An overlay connected while nothing happens: no message, no frame.
  listen_live "ws://127.0.0.1:$port/api/live?token=$token" "$seconds" rest-messages >>"$work/results" &
  listener=$!
  pids+=("$listener")
  measure_phase sc-rest
  wait "$listener" || true
  judges_polling "$port" "$token" "$seconds" >>"$work/results" &
  listener=$!
  pids+=("$listener")
  measure_phase jury-rest
  wait "$listener" || true
  xdotool type --delay 50 "Ana"
  xdotool key Return
  pause 0.3
  xdotool keydown space
  pause "$climb_seconds"
  measure_phase sc-held
  listen_live "ws://127.0.0.1:$port/api/live?token=$token" "$seconds" messages >>"$work/results" &
  listener=$!
  pids+=("$listener")
  space_rhythm &
  local rhythm=$!
  pids+=("$rhythm")
  measure_phase sc-moving
  wait "$listener" || true
  stop_process "$rhythm"
  xdotool keyup space
  stop_process "$app_pid"
}

# The audience screen in the Stage look, full screen on the second screen, while the
# operator's window keeps the keyboard.
measure_stage_run() {
  local run="$1" operator audience port=$((20000 + RANDOM % 20000)) token
  prepare_home "stage.$run" ShowAudienceScreen=1 AudienceLook=Stage SoundCues=1
  if $show_control; then
    start_app "$work/stage.$run.log" "$program" --show-control "$port"
  else
    start_app "$work/stage.$run.log" "$program"
  fi
  token="$(sed -n 's/^ShowControlToken=//p' "$XDG_CONFIG_HOME/Ovatron/Ovatron.conf")"
  operator="$(xdotool search --onlyvisible --name '^Ovatron$' 2>/dev/null | head -n1 || true)"
  operator="${operator:-$app_window}"
  for _ in $(seq 50); do
    audience="$(xdotool search --onlyvisible --name 'Audience Screen' 2>/dev/null | head -n1 || true)"
    [ -n "$audience" ] && break
    sleep 0.1
  done
  if [ -z "$audience" ]; then
    # A program without an audience screen (the bare window, when the script checks itself).
    echo "  no audience screen: the Stage look is not measured" >&2
    stop_process "$app_pid"
    return
  fi
  xdotool windowactivate --sync "$operator" >/dev/null 2>&1 || xdotool windowfocus --sync "$operator"
  pause "$settle_seconds"
  local window="$app_window"
  app_window="$audience"
  measure_phase stage-idle
  xdotool type --delay 50 "Ana"
  xdotool key Return
  pause 0.3
  xdotool keydown space
  pause "$climb_seconds"
  measure_phase stage-rest
  space_rhythm &
  local rhythm=$!
  pids+=("$rhythm")
  measure_phase stage-moving
  stop_process "$rhythm"
  xdotool keyup space
  xdotool key Return Return
  # Eight rows with scores spread below the top, then a turn that climbs past all of them.
  local row
  for row in 1 2 3 4 5 6 7; do
    xdotool type --delay 20 "Row$row"
    xdotool key Return
    pause 0.2
    xdotool keydown space
    pause "0.$row"
    xdotool keyup space
    xdotool key Return Return
  done
  xdotool type --delay 20 "Zed"
  xdotool key Return
  pause 0.3
  xdotool keydown space
  measure_phase stage-glide 2
  xdotool keyup space
  xdotool key Return Return
  pause "$settle_seconds"
  if $show_control; then
    curl -s -X POST -H "Authorization: Bearer $token" "http://127.0.0.1:$port/api/winners" >/dev/null
    measure_phase stage-confetti 4
  fi
  app_window="$window"
  stop_process "$app_pid"
}

# The bare window repainting in full (phase bare), or only one marker-sized patch with a
# number (phase floor: what Qt and the X server take for any small change every 20 ms).
measure_bare_run() {
  local run="$1" phase="$2"
  shift 2
  prepare_home "$phase.$run"
  start_app "$work/$phase.$run.log" "$bare" "$@"
  [ "$run" -gt 1 ] || shared_objects "$app_pid" >"$work/objects.$phase"
  measure_phase "$phase"
  stop_process "$app_pid"
}

# Start-to-window time: the probe starts the program and reports when its window is mapped
# and when the first pixels are drawn into it (the moment it can be seen). Appends
# "NAME MAP_MS PAINT_MS".
measure_start() {
  local name="$1" run="$2" line
  shift 2
  prepare_home "start.$name.$run"
  run_waited "$probe" --start --timeout "$window_timeout" -- "$@" >"$work/probe.out" 2>"$work/probe.err" \
    || die "timing the start of $1 failed: $(cat "$work/probe.err")"
  line="$(cat "$work/probe.out")"
  echo "$name $(value_of map_ms "$line") $(value_of paint_ms "$line")" >>"$work/starts"
  pause 0.5
}

# The program's and the bare window's starts take turns, so that a machine that grows busier
# during the measurement weighs on both alike. The floor window's, which draws one number, show
# what the first text drawn costs any Qt window: its font configuration and font.
measure_starts() {
  local i
  for ((i = 1; i <= starts; i++)); do
    measure_start program "$i" "$program"
    measure_start bare "$i" "$bare"
    measure_start floor "$i" "$bare" --patch
  done
}

# --- figures -------------------------------------------------------------------------------

median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Median of column COLUMN (2 = CPU program, ... 7 = PSS) of a phase.
phase_median() {
  awk -v phase="$1" -v column="$2" '$1 == phase { print $column }' "$work/results" | median
}

start_median() {
  awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$work/starts" | median
}

# An awk function: a / b as "0.50x", or "n/a" when there is nothing to compare with.
readonly awk_ratio='function ratio(a, b) { return b > 0 ? sprintf("%.2fx", a / b) : "n/a" }'

print_report() {
  local phase cpu_p cpu_x mpix frames rss pss
  echo
  echo "Drawing cost at ${screen_width}x${screen_height}, ${seconds} s per phase, median of ${runs} run(s)"
  echo "program: $program"
  echo "CPU: per cent of one core; X: the Xvfb server; frames/s: full-window redraws per second"
  echo
  printf '%-12s %9s %7s %9s %9s %9s %8s %8s\n' phase "CPU prog" "CPU X" "CPU sum" "Mpixel/s" "frames/s" "RSS MiB" "PSS MiB"
  for phase in held moving idle bare floor stage-rest stage-moving stage-idle stage-glide \
      stage-confetti sc-held sc-moving sc-rest jury-rest osc-rest mic-one mic-two; do
    cpu_p="$(phase_median "$phase" 2)"
    cpu_x="$(phase_median "$phase" 3)"
    mpix="$(phase_median "$phase" 4)"
    frames="$(phase_median "$phase" 5)"
    rss="$(phase_median "$phase" 6)"
    pss="$(phase_median "$phase" 7)"
    awk -v phase="$phase" -v p="$cpu_p" -v x="$cpu_x" -v m="$mpix" -v f="$frames" -v r="$rss" -v s="$pss" \
      'BEGIN { printf "%-12s %9.1f %7.1f %9.1f %9.2f %9.2f %8.1f %8.1f\n", phase, p, x, p + x, m, f, r / 1024, s / 1024 }'
  done
  echo "(bare: ovatron_bare_window, repainting in full every 20 ms;"
  echo " floor: the same window repainting only one marker-sized patch with a number every 20 ms;"
  echo " stage-: the audience screen's Stage look, full screen, at rest and moving; idle in name"
  echo "   entry with cues on; glide: 2 s of a turn climbing past 8 rows; confetti: 4 s of the winners' burst;"
  echo " sc-rest: one overlay connected, at rest, cues on ($(awk '$1 == "rest-messages" { print $2 }' "$work/results" | median) messages/s);"
  echo " jury-rest: five judges' pages open at rest, each asking every 2 s ($(awk '$1 == "judge-requests" { print $2 }' "$work/results" | median) requests/s);"
  echo " sc-held, sc-moving: show control on, nobody connected / one overlay connected;"
  echo " osc-rest: show control and OSC on, the meter at rest, nobody sending;"
  echo " mic-one, mic-two: a turn measured by one microphone / two, each a sound file)"
  $show_control && awk -v p="$(phase_median sc-moving 2)" -v p0="$(phase_median moving 2)" \
      -v rate="$(awk '$1 == "messages" { print $2 }' "$work/results" | median)" "$awk_ratio"'
     BEGIN { printf "with one overlay: program CPU %.1f %% beside %.1f %% without (%s), %.1f messages/s\n",
                    p, p0, ratio(p, p0), rate }'
  echo
  echo "program / bare window:"
  printf '%-8s %10s %10s %14s %14s\n' phase "CPU sum" "Mpixel/s" "RSS diff MiB" "PSS diff MiB"
  local bare_cpu bare_mpix bare_rss bare_pss
  bare_cpu="$(awk -v p="$(phase_median bare 2)" -v x="$(phase_median bare 3)" 'BEGIN { print p + x }')"
  bare_mpix="$(phase_median bare 4)"
  bare_rss="$(phase_median bare 6)"
  bare_pss="$(phase_median bare 7)"
  for phase in held moving idle; do
    awk -v phase="$phase" -v p="$(phase_median "$phase" 2)" -v x="$(phase_median "$phase" 3)" \
        -v m="$(phase_median "$phase" 4)" -v r="$(phase_median "$phase" 6)" -v s="$(phase_median "$phase" 7)" \
        -v bc="$bare_cpu" -v bm="$bare_mpix" -v br="$bare_rss" -v bs="$bare_pss" \
      "$awk_ratio"'
       BEGIN { printf "%-8s %10s %10s %+14.1f %+14.1f\n", phase, ratio(p + x, bc), ratio(m, bm), (r - br) / 1024, (s - bs) / 1024 }'
  done
  awk -v p="$(phase_median moving 2)" -v x="$(phase_median moving 3)" \
      -v fp="$(phase_median floor 2)" -v fx="$(phase_median floor 3)" -v bc="$bare_cpu" \
    "$awk_ratio"'
     BEGIN { printf "floor    %10s   (moving / floor: %s)\n", ratio(fp + fx, bc), ratio(p + x, fp + fx) }'
  echo
  echo "start to window (median of $starts starts each, taking turns; from exec to mapped / to first pixels drawn):"
  printf '  %-8s %8.1f ms mapped %8.1f ms drawn\n' program "$(start_median program 2)" "$(start_median program 3)"
  printf '  %-8s %8.1f ms mapped %8.1f ms drawn\n' bare "$(start_median bare 2)" "$(start_median bare 3)"
  printf '  %-8s %8.1f ms mapped %8.1f ms drawn\n' floor "$(start_median floor 2)" "$(start_median floor 3)"
  awk -v p="$(start_median program 3)" -v b="$(start_median bare 3)" -v f="$(start_median floor 3)" "$awk_ratio"'
     BEGIN { printf "  program / bare window, drawn: %s (program / floor window: %s)\n", ratio(p, b), ratio(p, f) }'
  echo
  echo "shared objects mapped once the window shows, every optional part off:"
  printf '  program %d, bare window %d\n' "$(wc -l <"$work/objects.program")" "$(wc -l <"$work/objects.bare")"
  echo "  the program's beyond the bare window's:"
  comm -23 "$work/objects.program" "$work/objects.bare" | xargs -rn1 basename | sed 's/^/    /'
}

: >"$work/results"
: >"$work/starts"
# Show control is measured where the program has it and Debian's python3-websocket can listen.
show_control=false
if "$program" --help 2>/dev/null | grep -q -- '--show-control' && /usr/bin/python3 -c 'import websocket' 2>/dev/null; then
  show_control=true
fi
# The microphones are measured where the program takes sound files for them.
microphones=false
if "$program" --help 2>/dev/null | grep -q -- '--audio-file'; then
  microphones=true
fi
echo "measuring on display $DISPLAY (${size}), ${runs} run(s) of ${seconds} s per phase..." >&2
for ((run = 1; run <= runs; run++)); do
  echo "  run $run: program" >&2
  measure_program_run "$run"
  if $show_control; then
    echo "  run $run: program with show control" >&2
    measure_show_control_run "$run"
  fi
  if $microphones; then
    echo "  run $run: one microphone and two" >&2
    measure_microphones_run "$run"
  fi
  echo "  run $run: the Stage look" >&2
  measure_stage_run "$run"
  echo "  run $run: bare window" >&2
  measure_bare_run "$run" bare
  echo "  run $run: bare window, one patch" >&2
  measure_bare_run "$run" floor --patch
done
echo "  start times" >&2
measure_starts
print_report
