#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Ovatron twice: plain, where the command line, the package's
# files and the measuring script are tested, and with AddressSanitizer and
# UndefinedBehaviorSanitizer, where every test runs, the end-to-end runs among them. Builds, installs and tries the Debian
# package; runs each fuzz target for 20 seconds. Any failure, or any sanitizer report, fails the
# run.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
started=$SECONDS
# Where the time goes, for the README's CI figures.
phase_done() { echo "== test.sh: $1 after $((SECONDS - started)) s"; }
bash "$top/scripts/install-deps.sh"
bash "$top/scripts/install-module-deps.sh"
phase_done "packages installed"

# The production desk's module: its unit tests and the module system's own check. Its packages
# are missing only where install-module-deps.sh found no npm registry.
if [ -x "$top/companion/node_modules/.bin/companion-module-check" ]; then
  (cd "$top/companion" && timeout 300 node --test test/faults.test.js && node_modules/.bin/companion-module-check)
else
  echo "production desk module: SKIPPED: the npm registry could not be reached, so its packages are not installed"
fi
phase_done "production desk module tested"

# build_and_test TREE "CTEST SELECTION" CMAKE-ARGS...
build_and_test() {
  local tree="$1" selection="$2"; shift 2
  cmake -S "$top" -B "$tree" -G Ninja "$@" >/dev/null
  cmake --build "$tree" -j "$jobs"
  # shellcheck disable=SC2086  # the selection is words for ctest
  ctest --test-dir "$tree" --output-on-failure -j "$jobs" $selection
}

# The plain tree is configured for /usr, where the Debian package installs the program. Its unit
# and widget tests, and the end-to-end runs, run in the sanitizer tree, with its checks:
# compiling and running them twice took a third of a fresh machine's time. The package's own
# try below still drives a turn through the optimised program under X.
build_and_test "$top/build" "-LE e2e" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_INSTALL_PREFIX=/usr -DOVATRON_UNIT_TESTS=OFF
phase_done "plain tree built and tested"

# The Debian package: built, installed with apt, its program's --version and the end-to-end
# turn run against the installed copy, then removed again.
bash "$top/scripts/package-test.sh" "$top/build"
phase_done "Debian package tried"

# Sanitizer reports end the test process with an error, so ctest counts them as failures.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$top/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Line tables are all a sanitizer's report needs, and the full debug information of every test
# binary is a tenth of the compiling.
build_and_test "$top/build-asan" "" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DOVATRON_SANITIZE=ON -DOVATRON_BUILD_BENCH=OFF -DOVATRON_UNIT_TESTS=ON
phase_done "sanitizer tree built and tested"

# The fuzz targets in a clang tree of their own (fuzz/), each for 20 seconds on its seeds; a
# crash or a broken check fails the run and leaves the input in build-fuzz/artifacts/.
OVATRON_FUZZ_TREE="$top/build-fuzz" bash "$top/scripts/fuzz.sh" all 20
phase_done "fuzz targets run"
