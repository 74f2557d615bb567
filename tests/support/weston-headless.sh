#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts or stops a headless Weston, a Wayland compositor without a screen, seat or logind,
# for running the program under QT_QPA_PLATFORM=wayland in tests.
#   weston-headless.sh start [NAME]   prints the WAYLAND_DISPLAY to use (an absolute socket
#                                     path, so the client's XDG_RUNTIME_DIR does not matter)
#   weston-headless.sh stop [NAME]
# NAME (default "ovatron") keeps several compositors apart. Each gets its own runtime folder,
# mode 0700 as Wayland requires, holding the socket, the pid and Weston's log.
set -euo pipefail

usage() { echo "usage: weston-headless.sh start|stop [NAME]" >&2; exit 2; }
if [ $# -lt 1 ] || [ $# -gt 2 ]; then usage; fi
action="$1"
name="${2:-ovatron}"
[[ "$name" =~ ^[A-Za-z0-9._-]+$ ]] || { echo "weston-headless.sh: bad name '$name'" >&2; exit 2; }

state="${TMPDIR:-/tmp}/weston-headless-$(id -u)-$name"
socket="$state/$name"
# The screen the end-to-end test uses under Xvfb, so that layouts match.
width=1280
height=800
start_timeout_tenths=100
stop_timeout_tenths=50

running_pid() {
  local pid
  pid="$(cat "$state/pid" 2>/dev/null)" || return 1
  kill -0 "$pid" 2>/dev/null && echo "$pid"
}

start() {
  command -v weston >/dev/null || { echo "weston-headless.sh: weston is not installed (Debian package weston)" >&2; exit 1; }
  if running_pid >/dev/null; then
    echo "weston-headless.sh: '$name' is already running at $socket; stop it first" >&2
    exit 1
  fi
  rm -rf "$state"
  mkdir -m 0700 "$state"

  # --idle-time=0: no screen blanking or lock screen hiding the windows under test.
  XDG_RUNTIME_DIR="$state" nohup weston --backend=headless-backend.so --use-pixman \
    --width="$width" --height="$height" --socket="$name" --idle-time=0 --no-config \
    </dev/null >"$state/weston.log" 2>&1 &
  echo $! >"$state/pid"

  for _ in $(seq "$start_timeout_tenths"); do
    if ! running_pid >/dev/null; then
      echo "weston-headless.sh: weston stopped while starting; its log:" >&2
      tail -n 20 "$state/weston.log" >&2
      rm -rf "$state"
      exit 1
    fi
    # The shell is loaded after the socket opens; clients that arrive earlier still wait.
    [ -S "$socket" ] && { echo "$socket"; return; }
    sleep 0.1
  done
  echo "weston-headless.sh: no socket at $socket after $((start_timeout_tenths / 10)) s" >&2
  stop
  exit 1
}

stop() {
  local pid
  if pid="$(running_pid)"; then
    kill -TERM "$pid"
    for _ in $(seq "$stop_timeout_tenths"); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
  fi
  rm -rf "$state"
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) usage ;;
esac
