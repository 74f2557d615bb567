#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the README's test command the way a newcomer meets it: on a brand-new minimal Debian 12
# (mmdebstrap's minbase with git, ca-certificates and sudo), as an ordinary user with sudo
# rights, on a clone of one commit. Nothing of this machine's packages or build trees reaches it.
#
# The root is entered in a mount and PID namespace of its own with pivot_root rather than
# chroot: the kernel refuses a user namespace to a chrooted process, and `/` must be a mount
# point that the tests' own namespaces can make private. Every mount is made inside that
# namespace, so none outlives it, and every process started there ends with it.
#
# If the Debian archive cannot be reached at all, it says so in one line and runs the test
# command on this machine instead, so that an outage of the archive does not block a change.
# Any other failure fails the run.
#
# Usage: fresh-machine.sh [COMMIT]   (default: HEAD of this checkout; run as root or with sudo)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
suite=bookworm
mirror="${OVATRON_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
security="${OVATRON_DEBIAN_SECURITY:-http://deb.debian.org/debian-security}"
user=newcomer

say() { echo "== fresh-machine: $*"; }
elapsed() { echo "$(( $(date +%s) - started )) s"; }

# --- Inside the namespace: mount what the root needs, move into it, run the test command.
if [ "${1:-}" = "--inside" ]; then
  root="$2"
  # A bind mount of the root onto itself makes it a mount point: pivot_root needs one, and so
  # do the tests that make `/` private in namespaces of their own.
  mount --make-rprivate /
  mount --bind "$root" "$root"
  mount -t proc proc "$root/proc"
  mount --rbind /sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
  mount -t tmpfs -o mode=755 tmpfs "$root/run"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  cd "$root"
  mkdir -p .host
  pivot_root . .host
  cd /
  umount -l /.host
  rmdir /.host
  # A login as the newcomer: a clean environment with the UTF-8 locale every Debian has, the
  # home folder, the README's command.
  exec setpriv --reuid="$user" --regid="$user" --init-groups --reset-env \
    env LANG=C.UTF-8 bash -lc 'cd ~/ovatron && exec bash scripts/test.sh'
fi

# --- Outside: make the root, then run the test command in it.
[ "$(id -u)" -eq 0 ] || exec sudo -E bash "$0" "$@"
started=$(date +%s)
commit="$(git -C "$top" rev-parse --verify "${1:-HEAD}^{commit}")"

probe="$(mktemp)"
if ! timeout 60 /usr/lib/apt/apt-helper download-file "$mirror/dists/$suite/InRelease" "$probe" >/dev/null 2>&1; then
  rm -f "$probe"
  echo "fresh-machine: the Debian archive ($mirror) cannot be reached; running the test command on this machine instead"
  exec bash "$top/scripts/test.sh"
fi
rm -f "$probe"

if ! command -v mmdebstrap >/dev/null; then
  say "installing mmdebstrap"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null
fi

root="$(mktemp -d /var/tmp/ovatron-fresh.XXXXXX)"
runner=""
cleanup() {
  local status=$?
  if [ -n "$runner" ] && kill -0 "$runner" 2>/dev/null; then
    # SIGKILL to the namespace's first process ends every process in it, and its mounts.
    kill -KILL "$runner" 2>/dev/null || true
    wait "$runner" 2>/dev/null || true
  fi
  if findmnt -rn -o TARGET | grep -q "^$root"; then
    echo "fresh-machine: something is still mounted under $root; leaving it in place" >&2
    findmnt -rn -o TARGET | grep "^$root" >&2
    status=1
  else
    rm -rf --one-file-system "$root"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

say "making a minimal Debian 12 root in $root"
mmdebstrap --quiet --variant=minbase --include=git,ca-certificates,sudo --mode=root "$suite" "$root" \
  "deb $mirror $suite main" "deb $mirror $suite-updates main" "deb $security $suite-security main"
made=$(date +%s)

# What Debian's installer sets up and minbase leaves out: the names of this host.
printf '127.0.0.1\tlocalhost\n127.0.1.1\t%s\n::1\tlocalhost ip6-localhost ip6-loopback\n' "$(hostname)" >"$root/etc/hosts"
chroot "$root" useradd --create-home --shell /bin/bash "$user"
echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
chmod 0440 "$root/etc/sudoers.d/$user"
# The commit under test, as a clone of the newcomer's own.
home="$root/home/$user"
git clone --quiet --no-checkout "$top" "$home/ovatron"
git -C "$home/ovatron" checkout --quiet --detach "$commit"
chroot "$root" chown -R "$user:$user" "/home/$user/ovatron"

# The npm registry as this machine reaches it: its address, and the certificate authorities
# of this machine's own that its HTTPS may be signed by.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
  cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
  chroot "$root" update-ca-certificates >/dev/null 2>&1
fi
if command -v npm >/dev/null; then
  printf 'registry=%s\ncafile=/etc/ssl/certs/ca-certificates.crt\n' "$(npm config get registry)" >"$home/.npmrc"
  chroot "$root" chown "$user:$user" "/home/$user/.npmrc"
fi

say "root ready after $(elapsed) ($((made - started)) s for mmdebstrap); running 'bash scripts/test.sh' as $user on $(git -C "$top" log -1 --format='%h %s' "$commit")"
unshare --mount --pid --fork --kill-child bash "$0" --inside "$root" &
runner=$!
status=0
wait "$runner" || status=$?
runner=""
say "the test command ended with status $status after $(elapsed) in all"
exit "$status"
