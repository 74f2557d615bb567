#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a headless Weston of its own and runs the Wayland smoke test in it.
# Usage: run_wayland_smoke.sh SMOKE_TEST. Skipped (77) where weston or Qt's Wayland plugin is
# missing; the test command installs both.
set -euo pipefail
smoke="$1"
here="$(cd "$(dirname "$0")" && pwd)"
command -v weston >/dev/null || { echo "skipped: weston is not installed"; exit 77; }
name="ovatron-smoke-$$"
trap 'bash "$here/../support/weston-headless.sh" stop "$name" >/dev/null 2>&1 || true' EXIT
display="$(bash "$here/../support/weston-headless.sh" start "$name")"
home="$(mktemp -d)"
trap 'bash "$here/../support/weston-headless.sh" stop "$name" >/dev/null 2>&1 || true; rm -rf "$home"' EXIT
# Qt's Wayland plugin leaves its connection's objects behind at exit (libwayland-client, and
# the plugin itself once unloaded); under the sanitizers only the leak report is switched off.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
env -u DISPLAY WAYLAND_DISPLAY="$display" QT_QPA_PLATFORM=wayland \
  XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" HOME="$home" "$smoke"
