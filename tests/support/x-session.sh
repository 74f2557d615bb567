# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the real program under X: a work folder that goes away
# at the end, every process started here stopped at the end, a display of our own with
# openbox, private settings and data folders and, when asked, a private sound server.
#
#   require_tools TOOL...          missing tools skip the test (exit 77; ctest reads it so)
#   start_display [XVFB ARGS...]   an Xvfb (default one 1280x800 screen) with openbox and a
#                                  private session bus; sets DISPLAY to its first screen and
#                                  display to ":N"
#   private_folders [NAME]         XDG_CONFIG_HOME, XDG_DATA_HOME and HOME inside $work
#   start_sound_server             tests/support/pulse-server.sh, stopped again at the end
#   fail MESSAGE                   says what failed, shows the program's log, exits 1
#   start_program [TITLE]          starts "$ovatron" (its log in $work/ovatron.log), waits up to
#                                  60 s for its window titled TITLE (default ^Ovatron$) and
#                                  activates it; sets program and window
#   shot NAME                      a screenshot of $window read by "$probe" into $work/NAME.txt
#   shot_until NAME SECONDS TEST   shots NAME until the shell test TEST holds (it may read
#                                  the shot with value), for at most SECONDS: a busy machine
#                                  draws later, and the checks after it read the last shot
#   value NAME KEY                 one value from that reading
#   close_window                   Alt+F4 on $window, as an operator closes it
#   await_end WHEN                 fails ("did not end WHEN") unless the program ends within
#                                  ten seconds; sets program_status to its exit status
#   stop_program                   close_window, then await_end
#
# Processes go into the array pids; a caller may add its own. Set x_session_signal=KILL to
# stop them with SIGKILL (a test that must not let the program save on the way out).

x_session_support="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
pids=()
x_session_signal=TERM
x_session_sound=false

x_session_cleanup() {
  for pid in "${pids[@]}"; do kill "-$x_session_signal" "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if $x_session_sound; then bash "$x_session_support/pulse-server.sh" stop || true; fi
  rm -rf "$work"
}
trap x_session_cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -f "$work/ovatron.log" ]; then tail -n 40 "$work/ovatron.log"; fi
  exit 1
}

require_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null \
      || { echo "skipped: missing $tool (scripts/install-deps.sh installs it)"; exit 77; }
  done
}

start_display() {
  [ $# -gt 0 ] || set -- -screen 0 1280x800x24
  rm -f "$work/display"
  # Xvfb picks a free display and reports its number on descriptor 3.
  Xvfb -displayfd 3 "$@" -nolisten tcp 3>"$work/display" 2>>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  display=":$(head -n1 "$work/display")"
  export DISPLAY="$display.0"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  openbox >>"$work/openbox.log" 2>&1 &
  pids+=($!)
  start_session_bus
  sleep 1
}

# A desktop session has a session bus. Without one, Qt's first use of it (the menu bar asks for
# a global menu) has libdbus fork an "autolaunch" helper from a process that already runs
# threads, and now and then that child hangs, and with it the program's start. So a private bus,
# as a desktop would have; where there is no dbus-daemon, an address that fails at once.
start_session_bus() {
  [ -z "${x_session_bus:-}" ] || return 0
  x_session_bus="unix:path=$work/no-session-bus"
  if command -v dbus-daemon >/dev/null; then
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/session-bus" \
      2>>"$work/dbus.log" &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/session-bus" ] && break; sleep 0.1; done
    [ -s "$work/session-bus" ] && x_session_bus="$(head -n1 "$work/session-bus")"
  fi
  export DBUS_SESSION_BUS_ADDRESS="$x_session_bus"
}

private_folders() {
  local name="${1:+-$1}"
  export XDG_CONFIG_HOME="$work/config$name" XDG_DATA_HOME="$work/data$name" HOME="$work"
  mkdir -p "$XDG_CONFIG_HOME/Ovatron" "$XDG_DATA_HOME"
}

start_sound_server() {
  eval "$(bash "$x_session_support/pulse-server.sh" start)"
  x_session_sound=true
}

start_program() {
  "$ovatron" ${program_args[@]+"${program_args[@]}"} >"$work/ovatron.log" 2>&1 &
  program=$!
  pids+=("$program")
  # A loaded machine may take a while to show the first window; a program that has ended is
  # told at once, with its exit status, rather than waited for.
  local deadline=$((SECONDS + 60))
  window=""
  while [ -z "$window" ]; do
    if ! kill -0 "$program" 2>/dev/null; then
      local status=0
      wait "$program" 2>/dev/null || status=$?
      fail "the program ended with status $status before its window titled ${1:-Ovatron} appeared"
    fi
    [ $SECONDS -lt $deadline ] || fail "no window titled ${1:-Ovatron} appeared within 60 s"
    window="$(xdotool search --onlyvisible --name "${1:-^Ovatron\$}" 2>/dev/null | head -n1)" || true
    [ -n "$window" ] || sleep 0.2
  done
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
  sleep 0.5
}

# take_shot NAME: the screenshot and its reading, without a word.
take_shot() {
  import -window "$window" "$work/$1.png"
  "$probe" "$work/$1.png" >"$work/$1.txt"
}

said_shot() { echo "$1: $(tr '\n' ' ' <"$work/$1.txt")"; }

shot() {
  take_shot "$1"
  said_shot "$1"
}

shot_until() {
  local name="$1" deadline=$((SECONDS + $2))
  shift 2
  while :; do
    take_shot "$name"
    if eval "$*" 2>/dev/null || [ $SECONDS -ge $deadline ]; then break; fi
    sleep 0.2
  done
  said_shot "$name"
}

value() { sed -n "s/^$2=//p" "$work/$1.txt"; }

close_window() {
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  xdotool key alt+F4
}

await_end() {
  for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$program" 2>/dev/null && fail "the program did not end $1"
  program_status=0
  wait "$program" 2>/dev/null || program_status=$?
}

stop_program() {
  close_window
  await_end "when its window closed"
}
