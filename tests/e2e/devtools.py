# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
"""Headless Chromium for the end-to-end checks, driven over its DevTools protocol: each page at
a size of the check's choosing, read or captured once the page itself says it is ready, never
after a guessed time (a page of a busy program may take its while to hear the show)."""
import atexit, base64, json, os, subprocess, sys, time, urllib.request
import websocket


def fail(what):
    sys.exit(f"FAIL: {what}")


def wait_for(test, seconds, what):
    deadline = time.time() + seconds
    while not test():
        if time.time() > deadline:
            fail(f"{what} (not within {seconds} s)")
        time.sleep(0.2)


class Page:
    """One page over one DevTools connection, which it keeps: a second connection's going
    would take the screen size this one set with it."""

    def __init__(self, target, width, height, scale=1, mobile=False, touch=False, transparent=False):
        self.socket, self.calls = websocket.create_connection(target["webSocketDebuggerUrl"], timeout=30), 0
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=scale,
                  mobile=mobile)
        if touch:
            self.call("Emulation.setTouchEmulationEnabled", enabled=True)
        if transparent:
            self.call("Emulation.setDefaultBackgroundColorOverride", color={"r": 0, "g": 0, "b": 0, "a": 0})

    def call(self, method, **params):
        self.calls += 1
        self.socket.send(json.dumps({"id": self.calls, "method": method, "params": params}))
        while (message := json.loads(self.socket.recv())).get("id") != self.calls:
            pass  # events
        if "error" in message:
            fail(f"{method}: {message['error']}")
        return message.get("result", {})

    def evaluate(self, expression):
        return self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                         awaitPromise=True)["result"].get("value")

    def until(self, expression, what, seconds=30):
        wait_for(lambda: self.evaluate(expression), seconds, what)

    def screenshot(self, path):
        """The page as drawn after its next two frames, as an RGBA PNG."""
        self.evaluate("new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)))")
        with open(path, "wb") as shot:
            shot.write(base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"]))

    def close(self):
        """Closes the page itself, so that it stops following the show."""
        self.socket.send(json.dumps({"id": self.calls + 1, "method": "Page.close", "params": {}}))
        self.socket.close()


class Browser:
    """A headless Chromium of its own profile; it picks its DevTools port and names it there."""

    def __init__(self, profile):
        self.process = subprocess.Popen(["chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
                                         "--hide-scrollbars", "--no-first-run", "--remote-debugging-port=0",
                                         f"--user-data-dir={profile}", "about:blank"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        atexit.register(self.close)  # a failed check ends the script, and the browser with it
        port_file = os.path.join(profile, "DevToolsActivePort")
        wait_for(lambda: os.path.exists(port_file) and os.path.getsize(port_file) > 0, 60, "no DevTools port")
        self.port = open(port_file).read().split()[0]

    def open(self, url, width, height, **look):
        asked = urllib.request.Request(f"http://127.0.0.1:{self.port}/json/new?about:blank", method="PUT")
        with urllib.request.urlopen(asked, timeout=10) as answer:
            page = Page(json.load(answer), width, height, **look)
        page.call("Page.navigate", url=url)
        return page

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(10)
