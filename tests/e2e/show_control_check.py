# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives show control of the running program over real sockets, as a remote would.
Usage: show_control_check.py PORT TOKEN WORKDIR"""
import http.client, json, socket, struct, subprocess, sys, time, urllib.error, urllib.request, zlib
import websocket

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

# The overlay in a browser source's size: transparent around the meter and the table.
overlay = f"{work}/overlay.png"
subprocess.run(["chromium", "--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                f"--user-data-dir={work}/chromium-shot", "--window-size=960,540",
                "--default-background-color=00000000", "--virtual-time-budget=3000",
                f"--screenshot={overlay}", f"{base}/overlay?token={token}"],
               check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
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
profile = f"{work}/chromium-remote"
browser = subprocess.Popen(["chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
                            "--remote-debugging-port=0", f"--user-data-dir={profile}",
                            "--window-size=360,740", "about:blank"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    check(until(lambda: __import__("os").path.exists(f"{profile}/DevToolsActivePort"), 30), "no DevTools port")
    devtools = open(f"{profile}/DevToolsActivePort").read().split()[0]
    tabs = json.load(urllib.request.urlopen(f"http://127.0.0.1:{devtools}/json"))
    page = next(t for t in tabs if t["type"] == "page")
    tab = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=10)
    calls = iter(range(1, 10**6))

    def call(method, **params):
        n = next(calls)
        tab.send(json.dumps({"id": n, "method": method, "params": params}))
        while (m := json.loads(tab.recv())).get("id") != n:
            pass
        return m.get("result", {})

    def evaluate(expression):
        return call("Runtime.evaluate", expression=expression, returnByValue=True)["result"].get("value")

    # A phone's screen, 360 px wide, with touch.
    call("Emulation.setDeviceMetricsOverride", width=360, height=740, deviceScaleFactor=2, mobile=True)
    call("Emulation.setTouchEmulationEnabled", enabled=True)
    call("Page.navigate", url=f"{base}/remote?token={token}")
    check(until(lambda: evaluate("document.body && document.body.dataset.state") == "summary"),
          "the remote did not show the summary")
    check(evaluate("document.querySelector('#start').textContent") == "Start Next", "no Start Next button")
    wide = evaluate("document.documentElement.scrollWidth")
    check(wide <= 360, f"the remote is {wide} px wide, more than 360")
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
    browser.terminate()
    browser.wait(10)
print("remote: Start Next started Ben")

# At most 16 live connections: the 17th and later are refused, and the program goes on.
held = [socket.create_connection(("127.0.0.1", int(port))) for _ in range(20)]
time.sleep(0.5)
refused = 0
for s in held:
    s.settimeout(0.5)
    try:
        refused += s.recv(100).startswith(b"HTTP/1.1 503")
    except socket.timeout:
        pass
for s in held:
    s.close()
check(refused == 4, f"{refused} of 20 connections refused, not 4")
check(until(lambda: request("/api/state")[0] == 200), "the program stopped answering after the limit")

# Ten wrong tokens within a minute: the address is refused for a minute, right token or not.
for _ in range(10):
    request("/api/state", auth="f" * 32)
check(request("/api/state")[0] == 429, "no 429 after ten wrong tokens")
print("limits: 503 beyond 16 connections, 429 after ten wrong tokens")
