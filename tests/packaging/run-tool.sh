#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a packaging check whose tool comes from a Debian package, installing the package first
# when the tool is missing. Exits 77 (CTest's skip code here) when the tool cannot be had.
# Usage: run-tool.sh TOOL PACKAGE COMMAND [ARG...]
set -euo pipefail

skip_code=77
tool="$1"
package="$2"
shift 2

install_package() {
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null && sudo -n true 2>/dev/null || return 1
    as_root=(sudo -n)
  fi
  local apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300)
  # A fresh machine may have no package lists yet; fetch them only when the first try fails.
  "${apt[@]}" install -y -qq --no-install-recommends "$package" >/dev/null 2>&1 && return 0
  "${apt[@]}" update -qq >/dev/null 2>&1 || return 1
  "${apt[@]}" install -y -qq --no-install-recommends "$package" >/dev/null 2>&1
}

if ! command -v "$tool" >/dev/null; then
  echo "$tool is missing; installing $package"
  if ! install_package || ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed and $package could not be installed"
    exit "$skip_code"
  fi
fi
exec "$@"
