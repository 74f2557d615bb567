#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Adds the copyright and licence lines that `reuse lint` looks for to every source file that
# lacks them, in the file's own comment syntax. Files that already have them are left alone,
# so running it twice changes nothing.
# Usage: add-spdx-headers.sh [FILE...]   (no FILE: every tracked or untracked, not ignored file)
set -euo pipefail

copyright_text="2026 Ovatron Project"
licence="GPL-3.0-or-later"
# Spelled in two halves so that this script's own text does not read as a licence header.
copyright_tag="SPDX-FileCopyright""Text:"
licence_tag="SPDX-License""-Identifier:"

top="$(cd "$(dirname "$0")/.." && pwd)"
# Paths given on the command line are taken from where the caller stands.
given=()
for path in "$@"; do given+=("$(realpath -m --relative-to="$top" "$path")"); done
cd "$top"

# Prints the comment style for a file: slashes, hash, html, or nothing for files to leave alone
# (pictures, licence texts, files that REUSE.toml covers).
comment_style() {
  local path="$1" name="${1##*/}"
  case "$path" in
    LICENSES/*|.reuse/*) return ;;
  esac
  case "$name" in
    LICENSE*|COPYING*|REUSE.toml|*.license) return ;;
  esac
  name="${name%.in}"  # configure_file templates are commented like their output
  case "$name" in
    *.cpp|*.cc|*.cxx|*.c|*.h|*.hpp|*.hh) echo slashes ;;
    CMakeLists.txt|*.cmake|*.sh|*.bash|*.py|*.desktop|*.supp|*.toml|*.yml|*.yaml|.gitignore) echo hash ;;
    *.html|*.htm|*.md|*.xml|*.ui|*.qrc) echo html ;;
    *.*) ;;
    *) [ "$(head -c 2 "$path" | tr -d '\0')" = '#!' ] && echo hash || true ;;
  esac
}

# Writes PATH with the missing lines put in front (after a shebang, XML declaration or doctype).
add_header() {
  local path="$1" style="$2" lines=()
  grep -q "$copyright_tag" "$path" || lines+=("$copyright_tag $copyright_text")
  grep -q "$licence_tag" "$path" || lines+=("$licence_tag $licence")
  [ ${#lines[@]} -eq 0 ] && return 1

  local block="" line
  case "$style" in
    slashes) for line in "${lines[@]}"; do block+="// $line"$'\n'; done ;;
    hash) for line in "${lines[@]}"; do block+="# $line"$'\n'; done ;;
    html)
      block="<!--"$'\n'
      for line in "${lines[@]}"; do block+="$line"$'\n'; done
      block+="-->"$'\n' ;;
  esac

  local keep_first=false first=""
  IFS= read -r first <"$path" || true
  case "$first" in
    '#!'*|'<?xml'*|'<!DOCTYPE'*|'<!doctype'*) keep_first=true ;;
  esac

  local tmp
  tmp="$(mktemp "$path.spdx.XXXXXX")"
  {
    if $keep_first; then
      printf '%s\n' "$first"
      printf '%s' "$block"
      tail -n +2 "$path"
    else
      printf '%s\n' "$block"
      cat "$path"
    fi
  } >"$tmp"
  chmod --reference="$path" "$tmp"
  mv "$tmp" "$path"
}

if [ ${#given[@]} -gt 0 ]; then
  files=("${given[@]}")
else
  git rev-parse --is-inside-work-tree >/dev/null 2>&1 \
    || { echo "add-spdx-headers.sh: $top is not a git work tree; name the files instead" >&2; exit 1; }
  mapfile -d '' files < <(git ls-files -z --cached --others --exclude-standard)
fi

changed=0
for path in "${files[@]}"; do
  if [ ! -f "$path" ] || [ -L "$path" ]; then
    # Moved or deleted since the index was written; only worth a word when asked for by name.
    [ ${#given[@]} -gt 0 ] && echo "skipped (not a regular file): $path" >&2
    continue
  fi
  style="$(comment_style "$path")"
  [ -n "$style" ] || continue
  if add_header "$path" "$style"; then
    echo "added header: $path"
    changed=$((changed + 1))
  fi
done
echo "$changed file(s) changed"
