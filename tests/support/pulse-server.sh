#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# A private PulseAudio server with a virtual microphone, for tests on machines without a
# sound card. What is played into the sink "hall" is heard from the source "hallmic", which
# is the default source; Qt lists it as an ordinary microphone (it leaves monitors out).
#
#   eval "$(pulse-server.sh start)"   starts a server in a new runtime folder and prints
#                                     export XDG_RUNTIME_DIR=... and PULSE_SERVER=...;
#                                     the program must see them
#   pulse-server.sh start FOLDER      starts a server again in a runtime folder of this
#                                     script whose server died: the same socket path
#   pulse-server.sh stop              stops the server of $XDG_RUNTIME_DIR and removes the
#                                     folder, only when this script made it
#
# Everything goes through the runtime folder: other people's servers are never touched.
set -euo pipefail
# Whatever server the caller's environment names, this script talks to its own.
unset PULSE_SERVER

marker=".ovatron-pulse-server"

start() {
  command -v pulseaudio >/dev/null || { echo "pulse-server.sh: pulseaudio is not installed" >&2; exit 2; }
  command -v pactl >/dev/null || { echo "pulse-server.sh: pactl is not installed" >&2; exit 2; }
  local dir="${1:-}"
  if [ -n "$dir" ]; then
    [ -f "$dir/$marker" ] || { echo "pulse-server.sh: $dir was not made by this script" >&2; exit 2; }
    # The dead server's pid may linger as a zombie nobody reaps; its file would stop this one.
    rm -f "$dir/pulse/pid"
  else
    dir="$(mktemp -d "${TMPDIR:-/tmp}/ovatron-pulse.XXXXXX")"
    touch "$dir/$marker"
  fi
  export XDG_RUNTIME_DIR="$dir"
  # Root without D-Bus makes the server warn; both warnings are harmless.
  # A server whose test died without stopping it ends itself a minute after its last client.
  if ! pulseaudio -D -n --exit-idle-time=60 \
      --load=module-native-protocol-unix \
      --load="module-null-sink sink_name=hall" \
      --log-target="file:$dir/pa.log" >/dev/null 2>&1; then
    echo "pulse-server.sh: pulseaudio did not start; see $dir/pa.log" >&2
    exit 1
  fi
  local ready=false
  for _ in $(seq 50); do
    if pactl info >/dev/null 2>&1; then ready=true; break; fi
    sleep 0.1
  done
  if ! $ready; then
    echo "pulse-server.sh: the server does not answer; see $dir/pa.log" >&2
    stop_in "$dir"
    exit 1
  fi
  pactl load-module module-remap-source master=hall.monitor source_name=hallmic \
    source_properties=device.description=HallMic >/dev/null
  pactl set-default-source hallmic
  pactl set-default-sink hall
  echo "export XDG_RUNTIME_DIR=$dir"
  echo "export PULSE_SERVER=unix:$dir/pulse/native"
}

stop_in() {
  local dir="$1"
  [ -f "$dir/$marker" ] || { echo "pulse-server.sh: $dir was not made by this script" >&2; exit 2; }
  local pid=""
  [ -f "$dir/pulse/pid" ] && pid="$(head -n1 "$dir/pulse/pid")"
  XDG_RUNTIME_DIR="$dir" pactl exit >/dev/null 2>&1 || true
  if [ -n "$pid" ]; then
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null || true
  fi
  rm -rf "$dir"
}

case "${1:-}" in
  start) start "${2:-}" ;;
  stop)
    [ -n "${XDG_RUNTIME_DIR:-}" ] || { echo "pulse-server.sh: XDG_RUNTIME_DIR is not set" >&2; exit 2; }
    stop_in "$XDG_RUNTIME_DIR" ;;
  *) echo "usage: pulse-server.sh start|stop" >&2; exit 2 ;;
esac
