#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target (or "all", one after another) for SECONDS each, building the clang tree
# first when needed. Usage: scripts/fuzz.sh TARGET|all SECONDS
# Targets: preload_text settings product_file command_line meter_core results_csv event_store
# remote_request osc_message.
# New inputs go to a scratch corpus beside the build tree, so the seeds in fuzz/corpus stay
# small; a crash leaves its input in the build tree's artifacts/ folder and fails the run.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
target="${1:?usage: fuzz.sh TARGET|all SECONDS}"
seconds="${2:?usage: fuzz.sh TARGET|all SECONDS}"
tree="${OVATRON_FUZZ_TREE:-$top/build-fuzz}"
all_targets=(preload_text settings product_file command_line meter_core results_csv event_store remote_request osc_message)

if [ ! -f "$tree/build.ninja" ]; then
  cmake -S "$top" -B "$tree" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOVATRON_FUZZ=ON >/dev/null
fi
cmake --build "$tree" -j "${OVATRON_FUZZ_JOBS:-$(nproc)}"

# Qt's own allocations that live until exit are not leaks of ours.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_LOGGING_RULES="*.debug=false;*.warning=false"
# The settings and event-store targets write a file per input: in memory, that is many times
# the executions of a disk that syncs.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

run_one() {
  local name="$1"
  local work="$tree/fuzz-corpus/$name"
  mkdir -p "$work" "$tree/artifacts"
  echo "== fuzz_$name for ${seconds}s"
  "$tree/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$tree/artifacts/$name-" -print_final_stats=1 \
    "$work" "$top/fuzz/corpus/$name" 2>"$tree/fuzz-$name.log" || {
      tail -n 60 "$tree/fuzz-$name.log" >&2
      echo "fuzz_$name FAILED (log: $tree/fuzz-$name.log)" >&2
      return 1
    }
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$tree/fuzz-$name.log" | sed "s/^/fuzz_$name /"
}

if [ "$target" = all ]; then
  for name in "${all_targets[@]}"; do run_one "$name"; done
else
  run_one "$target"
fi
