#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs scripts/measure-cost.sh briefly with the bare window standing in for the program and
# checks its report; refuses bad arguments; and interrupts a run as Ctrl-C does and checks
# that nothing it started is left running and its temporary folder is gone.
# Usage: run_measure_cost_check.sh MEASURE_SCRIPT BARE_WINDOW TOOLS_DIR
set -euo pipefail

measure="$1"
bare="$2"
tools="$3"

work="$(mktemp -d)"
job=""
cleanup() {
  [ -z "$job" ] || kill "$job" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND failed"' ERR

fail() { echo "FAIL: $*"; exit 1; }

# A figure from the report: the row starting with $1, column $2.
figure() { awk -v row="$1" -v column="$2" '$1 == row { print $column; exit }' "$work/report"; }

positive() { awk -v value="$1" 'BEGIN { exit !(value + 0 > 0) }'; }

# Every process below $1, from /proc (pid, then ppid after the command name).
descendants() {
  # Processes end while they are read; that is no error.
  { cat /proc/[0-9]*/stat 2>/dev/null || true; } | awk -v root="$1" '
    { pid = $1; line = $0; sub(/.*\) /, "", line); split(line, field, " "); parent[pid] = field[2] }
    END {
      found[root] = 1
      do {
        grew = 0
        for (pid in parent)
          if ((parent[pid] in found) && !(pid in found)) { found[pid] = 1; grew = 1 }
      } while (grew)
      for (pid in found) if (pid != root) print pid
    }'
}

mkdir -p "$work/tmp"
export TMPDIR="$work/tmp"

# Bad arguments: a clear message and a failing status, before anything is started.
for arguments in "--size 1600 $bare" "--seconds 0 $bare" "--runs x $bare" "--bogus $bare" \
                 "$work/no-such-program" "--tools $work $bare"; do
  # shellcheck disable=SC2086 # the arguments are split on purpose
  if bash "$measure" $arguments >"$work/out" 2>&1; then
    fail "measure-cost.sh accepted: $arguments"
  fi
  [ -s "$work/out" ] || fail "no message for: $arguments"
done
[ -z "$(ls -A "$TMPDIR")" ] || fail "a refused run left files behind"

# A short run.
bash "$measure" --size 640x400 --seconds 1 --runs 1 --tools "$tools" "$bare" >"$work/report" 2>"$work/log" \
  || { cat "$work/log"; fail "measure-cost.sh failed"; }
cat "$work/report"
for phase in held moving idle bare floor; do
  row="$(figure "$phase" 1)"
  [ "$row" = "$phase" ] || fail "no $phase row in the report"
  for column in 2 3 4 5 6 7 8; do
    value="$(figure "$phase" "$column")"
    [[ "$value" =~ ^[0-9]+(\.[0-9]+)?$ ]] || fail "$phase column $column is not a figure: '$value'"
  done
  positive "$(figure "$phase" 7)" || fail "no RSS for $phase"
  positive "$(figure "$phase" 8)" || fail "no PSS for $phase"
done
# The bare window redraws all of itself, whatever the machine's speed.
positive "$(figure bare 5)" || fail "the damage probe saw no redrawn pixels of the bare window"
positive "$(figure floor 5)" || fail "the damage probe saw no redrawn patch of the bare window"
# A patch a frame is a ninth of the whole window a frame; less, even if load slows either.
awk -v patch="$(figure floor 5)" -v whole="$(figure bare 5)" 'BEGIN { exit !(patch < whole) }' \
  || fail "the patch mode redrew as much as a full repaint"
# A single phase may see no clock tick; four seconds of full repaints all told will.
positive "$(awk '$1 ~ /^(held|moving|idle|bare|floor)$/ { sum += $4 } END { print sum + 0 }' "$work/report")" \
  || fail "no CPU time counted at all"
grep -q '^held .*x ' "$work/report" || fail "no program / bare window ratios"
for name in program bare floor; do
  line="$(grep "^  $name " "$work/report")" || fail "no start time for $name"
  positive "$(awk '{ print $2 }' <<<"$line")" || fail "no mapping time for $name: $line"
  positive "$(awk '{ print $5 }' <<<"$line")" || fail "no drawing time for $name: $line"
done
[ -z "$(ls -A "$TMPDIR")" ] || fail "a finished run left files behind: $(ls -A "$TMPDIR")"

# Ctrl-C in the middle of a run: the terminal sends SIGINT to the script's process group.
set -m
bash "$measure" --size 640x400 --seconds 5 --runs 1 --tools "$tools" "$bare" >"$work/report" 2>"$work/log" &
job=$!
set +m
for _ in $(seq 300); do
  grep -q 'run 1: program' "$work/log" && break
  kill -0 "$job" 2>/dev/null || { cat "$work/log"; fail "measure-cost.sh ended early"; }
  sleep 0.1
done
sleep 4  # into the measuring
started="$(descendants "$job")"
[ -n "$started" ] || fail "found nothing the script started"
kill -INT -- "-$job"
status=0
wait "$job" || status=$?
job=""
[ "$status" -ne 0 ] || fail "an interrupted run reported success"
survivors=""
for _ in $(seq 50); do
  survivors=""
  for pid in $started; do
    kill -0 "$pid" 2>/dev/null && survivors+=" $pid($(cat "/proc/$pid/comm" 2>/dev/null))"
  done
  [ -z "$survivors" ] && break
  sleep 0.1
done
[ -z "$survivors" ] || fail "left running after Ctrl-C:$survivors"
[ -z "$(ls -A "$TMPDIR")" ] || fail "an interrupted run left files behind: $(ls -A "$TMPDIR")"
echo "measure-cost.sh: report, refusals and Ctrl-C clean-up checked"
