#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `reuse lint` over the source tree. reuse before 3.1 (Debian 12 ships 1.1) does not read
# REUSE.toml, so for those the tree's files are copied aside with REUSE.toml turned into the
# .reuse/dep5 file that they do read.
# Usage: reuse-lint.sh SOURCE_DIR
set -euo pipefail

source_dir="$(cd "${1:?usage: reuse-lint.sh SOURCE_DIR}" && pwd)"

version="$(reuse --version | grep -o '[0-9][0-9.]*' | head -n1)"
IFS=. read -r major minor _ <<<"$version"
if [ "${major:-0}" -gt 3 ] || { [ "${major:-0}" -eq 3 ] && [ "${minor:-0}" -ge 1 ]; }; then
  exec reuse --root "$source_dir" lint
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copy="$work/tree"
mkdir -p "$copy"

# The files reuse would see: in a git tree those tracked or untracked but not ignored.
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard \
    | while IFS= read -r -d '' path; do [ -f "$path" ] && printf '%s\0' "$path"; done \
    | tar -cf - --no-recursion --null -T -) | tar -xf - -C "$copy"
else
  tar -cf - -C "$source_dir" --exclude=./build --exclude='./build-*' . | tar -xf - -C "$copy"
fi

if [ -f "$copy/REUSE.toml" ]; then
  mkdir -p "$copy/.reuse"
  python3 - "$copy/REUSE.toml" >"$copy/.reuse/dep5" <<'PYTHON'
import sys
import tomllib

with open(sys.argv[1], "rb") as file:
    config = tomllib.load(file)
print("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
print("Upstream-Name: Ovatron")
print("Source: https://ovatron.example.org/")
copyright_key = "SPDX-FileCopyright" "Text"
licence_key = "SPDX-License" "-Identifier"
for annotation in config.get("annotations", []):
    paths = annotation["path"]
    paths = [paths] if isinstance(paths, str) else paths
    # In dep5 a single * already crosses folders.
    patterns = [path.replace("**", "*") for path in paths]
    holders = annotation[copyright_key]
    holders = [holders] if isinstance(holders, str) else holders
    print()
    print("Files: " + " ".join(patterns))
    print("Copyright: " + "\n ".join(holders))
    print("License: " + annotation[licence_key])
PYTHON
  rm "$copy/REUSE.toml"
fi

# Report paths as they are in the source tree, not in the copy.
cd "$copy"
reuse lint 2>&1 | sed "s|$copy/||g"
