# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
"""Five judges' phones, headless Chromium pages of a phone's size each opened from her link.
Usage: jury_check.py marks|resumed PORT TOKEN DEVTOOLS_PORT WORKDIR (see run_jury_e2e.sh)."""
import http.client, json, os, sqlite3, sys, time, urllib.error, urllib.request
from fractions import Fraction
from devtools import Page

phase, port, token, devtools, work = sys.argv[1:6]
judges = ["Ines", "Oskar", "Pia", "Rui", "Sol"]
# Each contestant's marks by the judges above, and J (hundredths) without the highest and lowest.
marks = {"Ana": [7, 8, 8.5, 9, 10], "Bo": [5, 9.5, 6, 5, 6.5], "Cy": [3, 4, 4, 4.5, 0]}
expected_j = {"Ana": Fraction(850), "Bo": Fraction(1750, 3), "Cy": Fraction(1100, 3)}
offline, before_kill = 2, 3  # the judge whose phone goes offline for Bo; Cy's marks before the kill


def check(condition, what):
    if not condition:
        sys.exit(f"FAIL: {what}")


def request(path, body=None):
    asked = urllib.request.Request(f"http://127.0.0.1:{port}{path}", method="GET" if body is None else "POST",
                                   data=None if body is None else json.dumps(body).encode(),
                                   headers={"Authorization": "Bearer " + token})
    try:
        with urllib.request.urlopen(asked, timeout=5) as answer:
            return answer.status, json.loads(answer.read())
    except urllib.error.HTTPError as refused:
        return refused.code, json.loads(refused.read() or b"{}")
    except OSError:  # not listening (yet)
        return 0, {}


def state():
    return request("/api/state")[1]


def until(test, what, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if test():
            return
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} (not within {seconds} s); the state: {json.dumps(state())}")


def marked(name, shown=None):
    return (((shown or state()).get("jury") or {}).get("marked") or {}).get(name, [])


def rounded(quotient):  # half away from zero, as the program rounds
    return int(quotient + Fraction(1, 2)) if quotient >= 0 else -int(-quotient + Fraction(1, 2))


def check_rows(shown, names):
    """J as shown and the result, with the applause and the jury weighing 50 each, marks out of 10."""
    for name in names:
        row = next(r for r in shown["table"] if r["name"] == name)
        j = expected_j[name]
        tenths = rounded(Fraction(10 * (50 * row["applause"] + 50 * j / 1000 * 100), 100))
        print(f"{name}: applause {row['applause']}, J {row['jury']}, result {row['score']}")
        check(abs(row["jury"] * 100 - rounded(j)) < 1e-6, f"{name}'s J is {row['jury']}, not {rounded(j) / 100}")
        check(abs(row["score"] * 10 - tenths) < 1e-6, f"{name}'s result is {row['score']}, not {tenths / 10}")


class Phone(Page):
    def __init__(self, target):
        super().__init__(target, 360, 640, scale=2, mobile=True)  # for as long as this connection lasts
        self.call("Network.enable")

    def offline(self, off):
        self.call("Network.emulateNetworkConditions", offline=off, latency=0, downloadThroughput=-1, uploadThroughput=-1)

    def mark(self, name, value):
        shown = str(int(value)) if value == int(value) else repr(value)
        tap = f"""(() => {{
          const card = [...document.querySelectorAll('.card')].find((c) => c.dataset.name === '{name}');
          const button = card && [...card.querySelectorAll('.marks button')].find((b) => b.dataset.value === '{shown}');
          if (!button) return false;
          button.click();
          card.querySelector('.send').click();
          return true;
        }})()"""
        deadline = time.time() + 30
        while self.evaluate(tap) is not True:
            check(time.time() < deadline, f"no card of {name} with a button {shown} on the page: "
                  + str(self.evaluate("document.body.innerText.slice(0, 400)")))
            time.sleep(0.2)


def phones():
    pages = lambda: {t["url"]: t for t in json.load(urllib.request.urlopen(f"http://127.0.0.1:{devtools}/json"))}
    links = json.load(open(os.path.join(work, "links.json")))
    until(lambda: all(link in pages() for link in links), "the judges' pages open")
    return [Phone(pages()[link]) for link in links]


def turn(name, seconds):
    check(request("/api/contestant", {"name": name})[0] == 200, f"{name} did not start")
    holder = http.client.HTTPConnection("127.0.0.1", int(port), timeout=5)
    for down in [True] * int(seconds / 0.5) + [False]:
        holder.request("POST", "/api/applause", body=json.dumps({"down": down}),
                       headers={"Authorization": "Bearer " + token})
        holder.getresponse().read()
        time.sleep(0.5)
    holder.close()
    check(request("/api/enter", {})[0] == 200, f"{name}'s turn did not end")
    until(lambda: state()["state"] != "measuring", f"{name}'s turn ends")
    if state()["state"] == "summary":
        request("/api/enter", {})
    until(lambda: (state().get("jury") or {}).get("open", [None])[0] == name, f"{name}'s marking opens")


def stored(judge):
    with sqlite3.connect(f"file:{os.environ['XDG_DATA_HOME']}/Ovatron/events.sqlite?mode=ro", uri=True) as file:
        return file.execute("SELECT COUNT(*) FROM jury_mark WHERE judge = ?", (judge,)).fetchone()[0]


if phase == "marks":
    status, setup = request("/api/jury", {"judges": judges, "max": 10, "step": 0.5, "dropExtremes": True})
    check(status == 200 and [j["name"] for j in setup["judges"]] == judges, f"the set-up gave {status}: {setup}")
    links = [judge["link"] for judge in setup["judges"]]
    check(all(link.startswith(f"http://127.0.0.1:{port}/judge?token=") for link in links), f"links {links}")
    json.dump(links, open(os.path.join(work, "links.json"), "w"))
    # One DevTools connection a page, made before it navigates: a second connection's going
    # would take its phone's screen size with it.
    found = []
    for link in links:
        with urllib.request.urlopen(urllib.request.Request(f"http://127.0.0.1:{devtools}/json/new?about:blank",
                                                           method="PUT"), timeout=10) as answer:
            found.append(Phone(json.load(answer)))
        found[-1].call("Page.navigate", url=link)
    turn("Ana", 1.5)
    turn("Bo", 1)
    for phone, mark in zip(found, marks["Ana"]):
        phone.mark("Ana", mark)
    until(lambda: len(marked("Ana")) == 5, "five marks for Ana")
    for phone in found:
        wide = phone.evaluate("""[...document.querySelectorAll('*')]
          .filter((e) => e.getBoundingClientRect().right > 360.5 || e.scrollWidth > e.clientWidth + 0.5)
          .map((e) => `${e.tagName}.${e.className} ${Math.round(e.getBoundingClientRect().right)}`
                      + ` ${e.scrollWidth}/${e.clientWidth} "${e.textContent.slice(0, 30)}"`).join('; ')""")
        check(phone.evaluate("document.documentElement.scrollWidth") <= 360, f"a page is wider than a phone: {wide}")

    # One phone loses its network while its judge marks Bo: the mark waits in the phone and
    # goes, once, when the network returns.
    stored_before = stored(judges[offline])
    until(lambda: found[offline].evaluate("!!document.querySelector('.card[data-name=\"Bo\"]')"), "Bo on the page")
    found[offline].offline(True)
    for phone, mark in zip(found, marks["Bo"]):
        phone.mark("Bo", mark)
    until(lambda: found[offline].evaluate("outbox().length") == 1, "the offline phone keeps the mark")
    until(lambda: len(marked("Bo")) == 4, "four marks for Bo while one phone is offline")
    time.sleep(2.5)  # longer than the page waits between two askings
    check(judges[offline] not in marked("Bo"), "a mark arrived from an offline phone")
    found[offline].offline(False)
    until(lambda: len(marked("Bo")) == 5, "the kept mark arrives when the network returns")
    until(lambda: found[offline].evaluate("outbox().length") == 0, "the phone forgets the mark once it counts")
    time.sleep(2.5)
    check(stored(judges[offline]) == stored_before + 1, "the kept mark was not stored exactly once")
    check_rows(state(), ["Ana", "Bo"])

    turn("Cy", 0.5)
    for phone, mark in list(zip(found, marks["Cy"]))[:before_kill]:
        phone.mark("Cy", mark)
    until(lambda: len(marked("Cy")) == before_kill, "Cy's first marks acknowledged")
elif phase == "resumed":
    until(lambda: request("/api/state")[0] == 200, "show control answers after the resume", 60)
    shown = state()
    check((shown.get("jury") or {}).get("open", [None])[0] == "Cy", f"Cy's marking is not open: {shown.get('jury')}")
    check([marked(name, shown) for name in marks] == [judges, judges, judges[:before_kill]],
          f"acknowledged marks lost: {shown['jury']}")
    check_rows(shown, ["Ana", "Bo"])
    for phone, mark in list(zip(phones(), marks["Cy"]))[before_kill:]:
        phone.mark("Cy", mark)
    until(lambda: len(marked("Cy")) == 5, "every mark for Cy, from the pages that lived through the kill", 60)
    check_rows(state(), ["Ana", "Bo", "Cy"])
elif phase == "export":
    # Row by row, as the table ranks them: the result, the applause, each judge's mark, J.
    shown = state()
    number = lambda value, places: (f"%.{places}f" % value).rstrip("0").rstrip(".")
    lines = open(os.path.join(work, "results.csv"), encoding="utf-8-sig").read().split("\n")
    check(lines[0] == ",".join(["rank", "name", "score", "applause"] + judges + ["jury"]), f"header: {lines[0]!r}")
    wanted = [",".join([str(row["rank"]), row["name"], "%.1f" % row["score"], str(row["applause"])]
                       + [number(mark, 2) for mark in marks[row["name"]]]
                       + [number(rounded(expected_j[row["name"]]) / 100, 2)]) for row in shown["table"]]
    check(lines[1:4] == wanted and lines[4:] == [""], f"export rows: {lines[1:]} instead of {wanted}")
print(f"{phase}: all checks passed")
