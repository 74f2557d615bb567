#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program's command line, without a display: --help and --version answer and exit 0,
# in the user's language; a wrong option or a fifth microphone's file is one line and a failure;
# no display is one line.
# Usage: run_command_line.sh OVATRON
set -uo pipefail
ovatron="$1"
failures=0
check() {  # check NAME EXPECTED_STATUS PATTERN -- COMMAND...
  local name="$1" expected="$2" pattern="$3"; shift 4
  local output status
  output="$("$@" 2>&1)"; status=$?
  if [ "$status" -ne "$expected" ] || ! grep -q -- "$pattern" <<<"$output"; then
    echo "FAIL: $name (status $status): $output"
    failures=$((failures + 1))
  fi
}
quiet=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE= LC_ALL=)
check help 0 "--export <FILE>" -- "${quiet[@]}" LANG=C "$ovatron" --help
check version 0 "^Ovatron [0-9]*\.[0-9]*\.[0-9]*" -- "${quiet[@]}" LANG=C "$ovatron" --version
check german 0 "Der Applausmesser" -- "${quiet[@]}" LANG=de_DE.UTF-8 "$ovatron" --help
check french 0 "L'applaudimètre" -- "${quiet[@]}" LANG=fr_FR.UTF-8 "$ovatron" --help
check wrong-option 2 "Unknown option 'bogus'" -- "${quiet[@]}" LANG=C "$ovatron" --bogus
check bad-port 2 "Not a port (1 to 65535): 70000" -- "${quiet[@]}" LANG=C "$ovatron" --show-control 70000
five=(); for n in 1 2 3 4 5; do five+=(--audio-file "mic$n.wav"); done
check five-files 2 "given 5 times: at most 4 files" -- "${quiet[@]}" LANG=C "$ovatron" "${five[@]}"
check no-display 1 "no display found" -- "${quiet[@]}" LANG=C "$ovatron"
if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else exit 1; fi
