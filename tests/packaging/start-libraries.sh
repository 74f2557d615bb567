#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The optional parts' libraries come with their modules, never with the program: what ldd
# lists is what the program maps before main(), and none of show control's (Qt Network, Qt
# WebSockets, and through them Kerberos and libproxy), OSC's (liblo), printing's (Qt Print
# Support) or the microphone's (Qt Multimedia) may be among it. The modules must be where the
# program looks for them.
# Usage: start-libraries.sh PROGRAM
set -euo pipefail
program="$1"
listed="$(ldd "$program")" || { echo "ldd cannot read $program" >&2; exit 1; }
status=0
for library in libQt6Network libQt6WebSockets liblo libQt6PrintSupport libQt6Multimedia \
    libgssapi_krb5 libproxy; do
  if grep -q "$library" <<<"$listed"; then
    echo "the program maps $library at start:" >&2
    grep "$library" <<<"$listed" >&2
    status=1
  fi
done
for module in libovatron_sound.so libovatron_show_control.so libovatron_osc.so libovatron_print.so; do
  [ -f "$(dirname "$program")/../lib/ovatron/$module" ] || { echo "no module $module beside the program" >&2; status=1; }
done
exit "$status"
