#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Show control's server alone on loopback under attack and load tools, each bounded in count
# and time (about 70 s in all): slowhttptest's slow headers, slow body and slow read with 300
# connections for 12 s each while the token's holder asks once a second; wrk with 32 and 200
# connections for 8 s; then the loose ends a simple client meets: a whole request followed at
# once by the half-close (nc -N), 400 live sockets asked for, and a frame of 1 MiB.
# Not part of the test run: it prints figures to compare, not a verdict.
# Usage: show-control-faults.sh [SERVE]   (default: build-dev/tests/ovatron_show_control_serve)
# Needs slowhttptest, wrk, curl, nc (netcat-openbsd) and python3.
set -euo pipefail

top="$(cd "$(dirname "$0")/.." && pwd)"
serve="${1:-$top/build-dev/tests/ovatron_show_control_serve}"
[ -x "$serve" ] || { echo "no server at $serve (build ovatron_show_control_serve first)"; exit 1; }
for tool in slowhttptest wrk curl nc python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install slowhttptest wrk curl netcat-openbsd)"; exit 1; }
done
work="$(mktemp -d)"
trap 'kill "$server" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
token=0123456789abcdef0123456789abcdef
port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
url="http://127.0.0.1:$port"
"$serve" "$port" "$token" 100 >"$work/serve.log" 2>&1 &
server=$!
for _ in $(seq 50); do grep -qs listening "$work/serve.log" && break; sleep 0.1; done

# The token's holder, once a second for the attack's length: how many answers, the slowest.
operator() {
  local ok=0 slowest=0 took
  for _ in $(seq "$1"); do
    took="$(curl -s -o /dev/null -m 3 -w '%{http_code} %{time_total}' \
      -H "Authorization: Bearer $token" "$url/api/state" || true)"
    [ "${took%% *}" = 200 ] && ok=$((ok + 1))
    slowest="$(python3 -c "print(max($slowest, float('${took##* }' or 3)))")"
    sleep 1
  done
  echo "operator: $ok of $1 answered, slowest ${slowest}s"
}

for mode in H B X; do
  case $mode in
    H) what="slow headers"; extra=(-H -i 5 -x 24) ;;
    B) what="slow body"; extra=(-B -i 5 -x 24 -s 4096) ;;
    X) what="slow read"; extra=(-X -k 10 -n 5 -w 10 -y 20 -z 32) ;;
  esac
  timeout 30 slowhttptest -c 300 -r 100 -p 3 -l 12 -t GET -u "$url/api/state" "${extra[@]}" \
    -g -o "$work/slow$mode" >"$work/slow$mode.out" 2>&1 &
  attack=$!
  sleep 1
  echo "slowhttptest, $what:"
  operator 11
  wait "$attack" || true
  # the most connected at once, and how many the server closed
  python3 - "$work/slow$mode.csv" "$work/slow$mode.out" <<'PY'
import csv, re, sys
rows = list(csv.DictReader(open(sys.argv[1])))
said = re.findall(r"service available:\S*\s+\S*?(YES|NO)", open(sys.argv[2]).read())
print("  held at once at most %d, %s closed by the end; the tool's probe: %s" % (
    max(int(r["Connected"]) for r in rows), rows[-1]["Closed"], said[-1] if said else "?"))
PY
done

for connections in 32 200; do
  echo "wrk, $connections connections, 8 s, GET /api/state with the token:"
  wrk -t2 -c"$connections" -d8s --timeout 3s -H "Authorization: Bearer $token" "$url/api/state" \
    | grep -E 'Latency|Requests/sec|Non-2xx|Socket errors|requests in' | sed 's/^/  /'
done

# Whether the answer or the close comes first is a race: 40 tries of each.
for what in "GET /api/state" "POST /api/enter"; do
  answered=0
  for _ in $(seq 40); do
    printf '%s HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer %s\r\nContent-Length: 0\r\n\r\n' \
      "$what" "$token" | timeout 3 nc -N 127.0.0.1 "$port" >"$work/nc.out" || true
    grep -q '^HTTP/1.1 200' "$work/nc.out" && answered=$((answered + 1))
  done
  echo "$what, then the half-close at once (nc -N): $answered of 40 answered"
done

python3 - "$port" "$token" <<'PY'
import base64, os, socket, struct, sys, threading, time
port, token = int(sys.argv[1]), sys.argv[2]

def upgrade():
    s = socket.create_connection(("127.0.0.1", port), timeout=5)
    key = base64.b64encode(os.urandom(16)).decode()
    s.sendall(("GET /api/live?token=%s HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nUpgrade: websocket\r\n"
               "Connection: Upgrade\r\nSec-WebSocket-Key: %s\r\nSec-WebSocket-Version: 13\r\n\r\n"
               % (token, port, key)).encode())
    head = b""
    while b"\r\n\r\n" not in head:
        part = s.recv(4096)
        if not part:
            break
        head += part
    return s, head.split(b"\r\n")[0].decode(errors="replace")

live, refused = [], {}
for _ in range(400):
    try:
        s, status = upgrade()
    except OSError as error:
        refused[type(error).__name__] = refused.get(type(error).__name__, 0) + 1
        continue
    if " 101 " in status:
        live.append(s)
    else:
        refused[status] = refused.get(status, 0) + 1
        s.close()
print("400 live sockets asked for: %d upgraded, refused: %s" % (len(live), refused or "none"))
for s in live:
    s.close()
time.sleep(0.5)

s, status = upgrade()
# A frame of 1 MiB, sent while the answer is read, as a client that does not stop would.
payload = b"x" * (1 << 20)
frame = struct.pack("!BBQ", 0x81, 0x80 | 127, len(payload)) + b"\0\0\0\0" + payload
def send():
    try:
        s.sendall(frame)
    except OSError:
        pass
threading.Thread(target=send, daemon=True).start()
got = b""
try:
    while True:
        part = s.recv(65536)
        if not part:
            break
        got += part
    closing = got.find(b"\x88")
    code = struct.unpack("!H", got[closing + 2:closing + 4])[0] if closing >= 0 else None
    print("a frame of 1 MiB: closed with %s" % (code if code else "no close frame"))
except ConnectionResetError:
    print("a frame of 1 MiB: connection reset")
except socket.timeout:
    print("a frame of 1 MiB: no close in 5 s")
PY
