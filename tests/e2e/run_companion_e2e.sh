#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The production desk's module (companion/) against the real program started with
# --show-control: its own tests (node --test) run each action and follow the live state.
# Usage: run_companion_e2e.sh OVATRON
set -euo pipefail
ovatron="$1"
module="$(cd "$(dirname "$0")/../../companion" && pwd)"
source "$(dirname "$0")/../support/x-session.sh"
require_tools Xvfb openbox xdotool node
if [ ! -d "$module/node_modules/@companion-module/base" ]; then
  echo "skipped: the module's npm dependencies are not installed (scripts/install-module-deps.sh could not reach the npm registry)"
  exit 77
fi

start_display
private_folders
# An equal turn of two seconds, so that the countdown's variable and feedback can be seen.
printf 'TurnSeconds=2\n' >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
port=$((20000 + RANDOM % 20000))
program_args=(--show-control "$port")
start_program
token="$(sed -n 's/^ShowControlToken=//p' "$XDG_CONFIG_HOME/Ovatron/Ovatron.conf")"
[ -n "$token" ] || fail "no token was stored"

OVATRON_PORT="$port" OVATRON_TOKEN="$token" node --test "$module/test/" || fail "the module's tests"
kill -0 "$program" || fail "the program did not keep running"
echo "companion module: all checks passed"
