#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the production desk module's npm dependencies exactly as its lock file pins them,
# the module system's tools among them. Where no npm registry answers, it says so in one line
# and leaves them out: the module's tests and check then say "SKIPPED" with that reason.
set -euo pipefail
module="$(cd "$(dirname "$0")/../companion" && pwd)"
registry="$(npm config get registry)"
if ! timeout 30 npm ping >/dev/null 2>&1; then
  echo "install-module-deps: the npm registry ($registry) does not answer; the module's tests will be skipped"
  exit 0
fi
cd "$module"
timeout 600 npm ci --no-audit --no-fund --loglevel=error
