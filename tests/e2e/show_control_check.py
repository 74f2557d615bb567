# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives show control of the running program over real sockets, as a remote would.
Usage: show_control_check.py PORT TOKEN WORKDIR"""
import http.client, json, socket, struct, subprocess, sys, threading, time, urllib.error, urllib.request, zlib
import websocket
from devtools import Browser

port, token, work = sys.argv[1], sys.argv[2], sys.argv[3]
base = f"http://127.0.0.1:{port}"


def check(condition, what):
    if not condition:
        sys.exit(f"FAIL: {what}")


def request(path, body=None, method=None, auth=token, raw=None):
    data = raw if raw is not None else (None if body is None else json.dumps(body).encode())
    asked = urllib.request.Request(base + path, data=data, method=method or ("POST" if data is not None else "GET"))
    if auth:
        asked.add_header("Authorization", "Bearer " + auth)
    try:
        with urllib.request.urlopen(asked, timeout=5) as answer:
            return answer.status, answer.read()
    except urllib.error.HTTPError as refused:
        return refused.code, refused.read()


def state():
    status, body = request("/api/state")
    check(status == 200, f"GET /api/state gave {status}")
    return json.loads(body)


def until(test, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if test():
            return True
        time.sleep(0.1)
    return False


def rgba_pixels(path):
    """The pixels of an 8-bit RGBA PNG (what Chromium's screenshots are), row by row."""
    data = open(path, "rb").read()
    chunks, at = {}, 8
    idat = b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", data[at + 8:at + 18])
        if kind == b"IDAT":
            idat += data[at + 8:at + 8 + length]
        at += 12 + length
    check(depth == 8 and colour == 6, "the screenshot is not RGBA")
    raw, stride, rows, previous = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up, corner = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 1: line[x] = (line[x] + left) & 255
            elif kind == 2: line[x] = (line[x] + up) & 255
            elif kind == 3: line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(line)
        previous = line
    return width, height, rows


# Refusals: no token, a wrong one, a body too large, bad JSON, a value not understood, a
# contestant while a turn runs, an address that does not exist.
for path, body, auth, raw, expected in [
    ("/api/state", None, None, None, 401),
    ("/api/state", None, "0" * 32, None, 401),
    ("/api/enter", None, token, b"x" * 5000, 413),
    ("/api/applause", None, token, b"{down", 400),
    ("/api/applause", {"down": "yes"}, token, None, 400),
    ("/api/contestant", {"name": "   "}, token, None, 400),
    ("/api/contestant", {"name": "Cy"}, token, None, 409),
    ("/api/nothing", None, token, None, 404),
]:
    status, answer = request(path, body, auth=auth, raw=raw)
    check(status == expected, f"{path} gave {status}, not {expected}")
    check(b"\n" not in answer.strip() and "error" in json.loads(answer), f"{path}: not a one-line JSON error")
status, _ = request("/api/state?token=" + token, auth=None)
check(status == 200, "?token= is not taken")

shown = state()
check(shown["state"] == "measuring" and shown["next"] == ["Ben"], f"unexpected state {shown}")
check([(r["name"], r["current"]) for r in shown["table"]] == [("Ana", True)], f"table {shown['table']}")

# The live WebSocket: the state at once, then a message per change while the level moves,
# and nothing while it rests.
live = websocket.create_connection(f"ws://127.0.0.1:{port}/api/live?token={token}", timeout=5)
check(json.loads(live.recv())["state"] == "measuring", "the live socket did not send the state")
# The applause is held as long as the connection that said "down" stays open.
holder = http.client.HTTPConnection("127.0.0.1", int(port), timeout=5)
holder.request("POST", "/api/applause", body=b'{"down": true}', headers={"Authorization": "Bearer " + token})
check(holder.getresponse().read() == b'{"ok":true}', "applause down refused")
started, messages, levels = time.time(), 0, []
live.settimeout(0.5)
try:
    while time.time() - started < 1.5:
        levels.append(json.loads(live.recv())["level"])
        messages += 1
except websocket.WebSocketTimeoutException:
    pass
rate = messages / (time.time() - started)
print("levels heard:", levels[:8], "...", levels[-3:])
check(10 < rate <= 52, f"{rate:.1f} messages a second while the level moves")
check(state()["peak"] > 20, "a held remote applause did not lift the level")
# No word from the remote for 2 s lets the applause go; then the level falls and rests.
check(until(lambda: state()["level"] == 0, 15), "the applause was not let go after silence")
live.settimeout(5)
while json.loads(live.recv())["level"] != 0:
    pass
live.settimeout(1.5)
try:
    live.recv()
    check(False, "the live socket spoke while nothing changed")
except websocket.WebSocketTimeoutException:
    pass
live.close()
holder.close()
print(f"live messages per second while the level moves: {rate:.1f}")

# The overlay, each time as a browser source opens it, on a transparent background; read once
# it shows the show.
overlays = Browser(f"{work}/chromium-shot")


def overlay_page(width, height):
    page = overlays.open(f"{base}/overlay?token={token}", width, height, transparent=True)
    page.until("!!(document.body && document.body.dataset.state)", "the overlay did not show the show")
    return page


def overlay_shot(path, width, height):
    page = overlay_page(width, height)
    page.screenshot(path)
    page.close()


# In a browser source's size: transparent around the meter and the table.
overlay = f"{work}/overlay.png"
overlay_shot(overlay, 960, 540)
width, height, rows = rgba_pixels(overlay)
alphas = [row[x + 3] for row in rows for x in range(0, len(row), 4)]
clear = sum(a == 0 for a in alphas) / len(alphas)
check((width, height) == (960, 540), f"overlay shot is {width}x{height}")
check(0.3 < clear < 0.97, f"{clear:.0%} of the overlay is transparent")
# The table's current row (Ana) is lit in the stage light's yellow, right of the meter.
lit = sum(1 for row in rows for x in range(width * 2, len(row), 4)
          if row[x] > 240 and 190 < row[x + 1] < 215 and row[x + 2] < 40 and row[x + 3] > 200)
check(lit > 500, f"no lit current row in the overlay ({lit} pixels)")
print(f"overlay: {clear:.0%} transparent, {lit} pixels of the current row's light")

# The phone remote: End Turn leads to the summary, and a tap on "Start Next" starts Ben.
check(request("/api/enter", {})[0] == 200 and state()["state"] == "summary", "no summary after Enter")
browser = Browser(f"{work}/chromium-remote")
try:
    # A phone's screen, 360 px wide, with touch.
    tab = browser.open(f"{base}/remote?token={token}", 360, 740, scale=2, mobile=True, touch=True)
    call, evaluate = tab.call, tab.evaluate
    check(until(lambda: evaluate("document.body && document.body.dataset.state") == "summary"),
          "the remote did not show the summary")
    check(evaluate("document.querySelector('#start').textContent") == "Start Next", "no Start Next button")
    wide = evaluate("document.documentElement.scrollWidth")
    check(wide <= 360, f"the remote is {wide} px wide, more than 360")
    # At 360x640 the meter, its peak's number and every button, Reveal too, are in sight whole.
    call("Emulation.setDeviceMetricsOverride", width=360, height=640, deviceScaleFactor=2, mobile=True)
    boxes = json.loads(evaluate("JSON.stringify(['#meter', '#meter .peak .number', '#start', '#end', "
                                "'#applaud', '#reveal'].map((s) => document.querySelector(s)"
                                ".getBoundingClientRect()))"))
    for what, box in zip(["meter", "peak's number", "Start Next", "End Turn", "Applaud", "Reveal"], boxes):
        check(box["top"] >= 0 and box["bottom"] <= 640 and box["left"] >= 0 and box["right"] <= 360,
              f"at 360x640 the remote's {what} is not whole in sight: {box}")
    check(evaluate("document.querySelector('#reveal').textContent") == "Reveal", "no Reveal button")
    call("Emulation.setDeviceMetricsOverride", width=360, height=740, deviceScaleFactor=2, mobile=True)
    # A real tap at the button's centre, as a thumb gives it.
    box = evaluate("JSON.stringify(document.querySelector('#start').getBoundingClientRect())")
    box = json.loads(box)
    x, y = box["x"] + box["width"] / 2, box["y"] + box["height"] / 2
    call("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
    call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
    if not until(lambda: state()["state"] == "measuring", 3):
        call("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y, button="left", clickCount=1)
        call("Input.dispatchMouseEvent", type="mouseReleased", x=x, y=y, button="left", clickCount=1)
    check(until(lambda: state()["state"] == "measuring"), "Start Next did not start a turn")
    now = state()
    check([r["name"] for r in now["table"] if r["current"]] == ["Ben"] and now["next"] == [],
          f"Start Next did not start the next preloaded name: {now}")
    tab.close()
finally:
    browser.close()
print("remote: Start Next started Ben")

# Hidden scores (the program runs with HideScores=1): the overlay, read back by OCR, shows no
# digit of a hidden score during and after Ben's turn, while the state keeps every score; each
# POST /api/reveal shows one more, lowest first.
SCALE = {str(step) for step in range(0, 101, 10)}  # the scale's own numbers


def overlay_numbers(name):
    shot = f"{work}/{name}.png"
    overlay_shot(shot, 1920, 1080)
    # Light text on the overlay's plates, flattened onto black and turned black on white.
    subprocess.run(["convert", shot, "-background", "black", "-flatten", "-colorspace", "Gray",
                    "-negate", "-threshold", "55%", f"{work}/{name}-ocr.png"], check=True)
    read = subprocess.run(["tesseract", f"{work}/{name}-ocr.png", "-", "--psm", "11"],
                          capture_output=True, text=True, timeout=60).stdout
    return set(__import__("re").findall(r"[0-9]+", read))


def scores_of(names):
    return {str(row["score"]) for row in state()["table"] if row["name"] in names}


def check_hidden(name):
    now = state()
    read = overlay_numbers(name)
    leaked = (scores_of(now["hidden"]) - SCALE) & read
    check(not leaked, f"{name}: the overlay shows the hidden scores {leaked} (read {sorted(read)})")
    return now, read




def applaud(seconds):
    """Applause held for a moment on one connection, as a remote holds it."""
    held = http.client.HTTPConnection("127.0.0.1", int(port), timeout=5)
    for down in (True, False):
        held.request("POST", "/api/applause", body=json.dumps({"down": down}).encode(),
                     headers={"Authorization": "Bearer " + token})
        check(held.getresponse().read() == b'{"ok":true}', "applause refused")
        if down:
            time.sleep(seconds)
    held.close()
    check(until(lambda: state()["level"] == 0, 15), "the level did not fall back after the applause")


# Short bursts until Ben's score is not one of the scale's numbers, which say nothing.
for _ in range(6):
    applaud(0.25)
    if str(state()["peak"]) not in SCALE:
        break
check(str(state()["peak"]) not in SCALE, f"Ben's score stays on the scale's numbers: {state()['peak']}")
now, _ = check_hidden("overlay-during")
check(sorted(now["hidden"]) == ["Ana", "Ben"] and all(r["score"] >= 0 for r in now["table"]),
      f"Ana's and Ben's turns are not hidden while the state keeps their scores: {now}")
check(request("/api/enter", {})[0] == 200 and until(lambda: state()["state"] != "measuring"), "Ben's turn did not end")
check_hidden("overlay-after")
print(f"overlay: no hidden score read during and after the turn ({sorted(scores_of(['Ana', 'Ben']))})")
for press in (1, 2):
    before = state()
    lowest = min(r["score"] for r in before["table"] if r["name"] in before["hidden"])
    check(request("/api/reveal", {})[0] == 200, "POST /api/reveal refused")
    check(until(lambda: len(state()["hidden"]) == 2 - press), f"reveal {press} did not reveal one score")
    now, read = check_hidden(f"overlay-reveal{press}")
    shown = [r for r in now["table"] if r["name"] in before["hidden"] and r["name"] not in now["hidden"]]
    check(len(shown) == 1 and shown[0]["score"] == lowest, f"reveal {press} did not show the lowest: {now}")
    check(str(lowest) in SCALE or str(lowest) in read,
          f"reveal {press}: the overlay does not show {lowest} (read {sorted(read)})")
    print(f"overlay: reveal {press} shows {shown[0]['name']}'s {lowest}")
check(state()["winners"], "the last reveal did not bring the winners' podium")
check(request("/api/reveal", {})[0] == 200 and state()["hidden"] == [], "a reveal with nothing hidden changed something")
request("/api/winners", {})
check(until(lambda: not state()["winners"]), "the winners did not go")
# Rounds: once there are two, the overlay names the current one.
check(request("/api/escape", {})[0] == 200 and until(lambda: state()["state"] == "name-entry"),
      "Esc did not end Ben's turn")
check(request("/api/round", {"name": "Final"})[0] == 200, "POST /api/round was refused")
check(until(lambda: state()["round"] == "Final"), "the new round did not become current")
named = overlay_page(800, 600)
named.until("document.getElementById('round').textContent === 'Final'", "the overlay does not name the round")
named.close()
overlays.close()
print("overlay: names the round")

# Attacks from the venue's network, none carrying the token, each bounded in time and bytes.
# The program's memory stays put, the operator keeps getting in, and slow or idle sockets go.
program = int(sys.argv[4])
MiB = 1024 * 1024


def rss():
    for line in open(f"/proc/{program}/status"):
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) * 1024
    sys.exit("FAIL: the program is gone")


def connect(source="127.0.0.1"):
    return socket.create_connection(("127.0.0.1", int(port)), timeout=5, source_address=(source, 0))


def answer_of(conn, seconds=5):
    """What the server says before it closes or falls silent."""
    conn.settimeout(seconds)
    got = b""
    try:
        while b"\r\n\r\n" not in got:
            part = conn.recv(4096)
            if not part:
                break
            got += part
    except (socket.timeout, ConnectionError):
        pass
    return got


def closed_within(conn, seconds):
    """Seconds until the server closes the connection, or None."""
    started = time.time()
    conn.settimeout(0.5)
    while time.time() - started < seconds:
        try:
            if conn.recv(65536) == b"":
                return time.time() - started
        except socket.timeout:
            continue
        except ConnectionError:
            return time.time() - started
    return None


def operator(source="127.0.0.2", seconds=20):
    """Seconds until the operator's request with the token gets 200 from source."""
    started = time.time()
    while time.time() - started < seconds:
        try:
            asked = http.client.HTTPConnection("127.0.0.1", int(port), timeout=5, source_address=(source, 0))
            asked.request("GET", "/api/state", headers={"Authorization": "Bearer " + token})
            if asked.getresponse().status == 200:
                return time.time() - started
        except (OSError, http.client.HTTPException):
            pass
        time.sleep(0.2)
    return None


def flood(conn, data, seconds):
    """Sends data over and over for up to seconds while the server takes it; the bytes sent."""
    sent, started, peak = 0, time.time(), rss()
    conn.settimeout(0.5)
    while time.time() - started < seconds:
        try:
            sent += conn.send(data)
        except socket.timeout:
            pass
        except OSError:
            break
        peak = max(peak, rss())
    return sent, peak


def pipelined(conn):
    sent, peak = flood(conn, b"GET / HTTP/1.1\r\nHost: x\r\n\r\n" * 64, 10)
    return peak, f"{sent // 1024} KiB of pipelined requests sent"


def pipelined_with_token(conn):
    sent, peak = flood(conn, b"GET /api/state HTTP/1.1\r\nAuthorization: Bearer %s\r\n\r\n" % token.encode() * 64, 10)
    return peak, f"{sent // 1024} KiB of pipelined requests sent"


def huge_body(conn):
    conn.sendall(b"POST /api/enter HTTP/1.1\r\nHost: x\r\nContent-Length: 1000000000000\r\n\r\n")
    sent, peak = flood(conn, b"x" * 65536, 5)
    return peak, f"{sent // MiB} MiB of body sent"


def huge_header(conn):
    conn.sendall(b"GET / HTTP/1.1\r\nX-Fill: ")
    sent, peak = flood(conn, b"a" * 65536, 5)
    return peak, f"{sent // MiB} MiB of header sent"


# A live socket that stops answering (its peer gone without a word) is dropped within 30 s;
# the attacks below take longer than that.
upgrade = (b"GET /api/live%s HTTP/1.1\r\nHost: x\r\nConnection: Upgrade\r\nUpgrade: websocket\r\n"
           b"Sec-WebSocket-Version: 13\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n")
dead = connect()
dead.sendall(upgrade % (b"?token=" + token.encode()))
dead_since = time.time()
said = answer_of(dead).lower()
check(said.startswith(b"http/1.1 101") and b"server:" not in said and b"access-control" not in said,
      f"an upgrade with the token was answered {said!r}")
dead_gone = []


def watch_dead():
    """Reads what comes (pings included) without ever answering, until the server drops it."""
    dead.settimeout(60)
    try:
        while dead.recv(65536):
            pass
    except OSError:
        pass
    dead_gone.append(time.time() - dead_since)


threading.Thread(target=watch_dead, daemon=True).start()

# The answer expected, where the attacker can still read one.
for name, attack, expected in [("pipelined requests never read", pipelined, None),
                               ("pipelined requests with the token, answers never read",
                                pipelined_with_token, b"HTTP/1.1 200"),
                               ("a body of 10^12 bytes announced", huge_body, b"HTTP/1.1 413"),
                               ("a header without end", huge_header, b"HTTP/1.1 431")]:
    before = rss()
    conn = connect()
    peak, what = attack(conn)
    said = answer_of(conn, 2)
    conn.close()
    grown = (peak - before) / MiB
    print(f"attack '{name}': {what}; RSS {before // MiB} MiB, grew {grown:.1f} MiB; answer {said[:12]!r}")
    check(grown <= 16, f"'{name}' grew the program by {grown:.1f} MiB")
    check(expected is None or said.startswith(expected), f"'{name}' was answered {said[:40]!r}")

# Idle sockets from one address, more than there are places: the operator from another
# address, and the operator's browser opening several connections at once, still get in.
idle = [connect() for _ in range(80)]
took = operator("127.0.0.2")
check(took is not None, "the operator was locked out by idle sockets")
print(f"attack '80 idle sockets from 127.0.0.1': the operator from 127.0.0.2 got 200 in {took:.2f} s")
browser_tabs = [http.client.HTTPConnection("127.0.0.1", int(port), timeout=10, source_address=("127.0.0.2", 0))
                for _ in range(6)]
for tab in browser_tabs:
    tab.request("GET", "/overlay?token=" + token)
statuses = [tab.getresponse().status for tab in browser_tabs]
check(statuses == [200] * 6, f"a browser's six connections at once got {statuses}")
check(operator("127.0.0.1") is not None, "an address holding half the places locked its own operator out")
for conn in idle:
    conn.close()
for tab in browser_tabs:
    tab.close()

# Slowloris: a header byte a second never makes a request; the connection goes within 10 s.
slow = connect()
started = time.time()
slow.settimeout(0.1)
closed, next_byte = None, 0
request_bytes = b"GET /api/state HTTP/1.1\r\nX-Slow: " + b"a" * 30
while closed is None and time.time() - started < 30:
    try:
        if time.time() - started >= next_byte:
            slow.send(request_bytes[next_byte:next_byte + 1])
            next_byte += 1
        if slow.recv(1) == b"":
            closed = time.time() - started
    except socket.timeout:
        continue
    except OSError:
        closed = time.time() - started
slow.close()
check(closed is not None, "a slowloris connection was never closed")
print(f"attack 'slowloris': closed after {closed:.1f} s")
check(closed < 13, f"a slowloris connection was held {closed:.1f} s")

# A kept-alive connection that says nothing more is closed; HTTP/1.0 and Connection: close
# are closed after their answer.
kept = http.client.HTTPConnection("127.0.0.1", int(port), timeout=5)
kept.request("GET", "/api/state", headers={"Authorization": "Bearer " + token})
answer = kept.getresponse()
answer.read()
headers = {k.lower() for k in answer.headers.keys()}
check("server" not in headers and "access-control-allow-origin" not in headers, f"answer names {headers}")
check(answer.headers.get("Referrer-Policy") == "no-referrer", "no Referrer-Policy")
kept.request("GET", "/overlay?token=" + token)
policy = kept.getresponse()
policy.read()
policy = policy.headers.get("Content-Security-Policy", "")
check("frame-ancestors 'none'" in policy and "script-src 'sha256-" in policy and "unsafe" not in policy,
      f"the overlay's policy is {policy!r}")
idle_for = closed_within(kept.sock, 25)
check(idle_for is not None, "an idle kept-alive connection was never closed")
print(f"an idle kept-alive connection closed after {idle_for:.1f} s")
for line in [b"GET /api/state HTTP/1.0\r\nAuthorization: Bearer %s\r\n\r\n",
             b"GET /api/state HTTP/1.1\r\nConnection: close\r\nAuthorization: Bearer %s\r\n\r\n"]:
    conn = connect()
    conn.sendall(line % token.encode())
    said = answer_of(conn)
    check(said.startswith(b"HTTP/1.1 200") and closed_within(conn, 5) is not None,
          f"{line[:30]!r} was not answered and closed")
    conn.close()

# A WebSocket is refused plainly without the token, and 300 such refusals leave the log quiet.
log_before = open(f"{work}/ovatron.log", errors="replace").read().count("\n")
for attempt in range(300):
    conn = connect()
    conn.sendall(upgrade % b"")
    said = answer_of(conn).lower()
    conn.close()
    check(said.startswith(b"http/1.1 401") and b"server:" not in said and b"access-control" not in said,
          f"a tokenless upgrade was answered {said!r}")
time.sleep(1)
logged = open(f"{work}/ovatron.log", errors="replace").read().count("\n") - log_before
check(logged <= 2, f"300 refused upgrades wrote {logged} lines to the log")
check(until(lambda: dead_gone, 40), "a live socket that never answered a ping was kept")
print(f"a silent live socket was dropped {dead_gone[0]:.1f} s after it opened")
check(dead_gone[0] <= 30, f"a silent live socket was kept {dead_gone[0]:.1f} s")
dead.close()

# A foreign page's requests count against nobody; wrong tokens do, but never block the right one.
for _ in range(20):
    asked = http.client.HTTPConnection("127.0.0.1", int(port), timeout=5, source_address=("127.0.0.3", 0))
    asked.request("GET", "/api/state", headers={"Authorization": "Bearer " + "e" * 32, "Origin": "http://evil.example"})
    check(asked.getresponse().status == 403, "a foreign origin was not refused")
    asked.close()
for _ in range(12):
    request("/api/state", auth="f" * 32)
check(request("/api/state", auth="f" * 32)[0] == 429, "no 429 for wrong tokens after twelve of them")
check(request("/api/state")[0] == 200, "the right token was refused after wrong ones from its address")
live = websocket.create_connection(f"ws://127.0.0.1:{port}/api/live?token={token}", timeout=5)
check("state" in json.loads(live.recv()), "no live state for the right token after wrong ones")
live.close()
print("limits: wrong tokens throttled, the right one let in; foreign pages refused uncounted")
