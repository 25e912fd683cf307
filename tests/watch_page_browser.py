#!/usr/bin/env python3
"""The watch service's status page in headless Chromium, served by the whole service on a played
venue of 1000 boxes (tests/tools/watch_page_server.cpp) over loopback TCP.

- Names that are markup, a script's end, quotes or entities show as that text, in the devices' table,
  the events' table and the title; no element comes from them and no script of theirs runs: first
  with the page's Content-Security-Policy set aside (the page's own escaping alone), then with it.
- Under its own policy the page works and the browser reports no violation.
- Every row says what /api/status says: 1000 rows, the same names and states in the same order.
- A box going dark, then answering again, shows up without a reload (missed, offline, back online,
  and the events).
- At 360 pixels wide neither the body nor a table scrolls sideways; nor at the desktop's width. The
  summary read first (and read out at every change) stays a sentence with 99 devices differing, and
  the first device shows on the first screen.

    tests/watch_page_browser.py WATCH_PAGE_SERVER [--screenshots DIR]

Exits 77 without chromium. --screenshots keeps the phone's and the desktop's view as PNG files.
"""

import json
import os
import subprocess
import sys
import threading
import time
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "tools"))
import cdp  # noqa: E402

DEVICES = 1000
# What the played venue calls its boxes 0 to 3 (in the rig) and its last two (outside it), and the rig.
RIG_NAMES = ["<img src=x onerror=alert(1)>", "Quote \" and apostrophe '",
             "</script><script>window.zentriPwned=1</script>", "Tom &amp; Jerry &lt;b&gt;"]
STRAY_NAMES = ["<b onmouseover=alert(3)>Bold</b>", "<img src=y onerror=window.zentriPwned=2>"]
RIG_NAME = "Hall <script>window.zentriPwned=3</script> \"A\" & 'B'"
BOX = 500  # the box that goes dark

# Before any of the page's own script: alert() noted instead of shown, every element that is added
# to the document after it was parsed noted unless it is one the page builds (rows, cells, counts),
# and every policy violation noted.
WATCHER = r"""
window.zentriAlerts = [];
window.alert = window.confirm = window.prompt = (m) => { window.zentriAlerts.push(String(m)); };
window.zentriForeign = [];
window.zentriViolations = [];
document.addEventListener("securitypolicyviolation",
  (e) => window.zentriViolations.push(e.violatedDirective + " " + e.blockedURI + " " + e.sample));
document.addEventListener("DOMContentLoaded", () => {
  const built = new Set(["TR", "TD", "LI"]);
  const look = (n) => {
    if (n.nodeType !== 1) return;
    if (!built.has(n.tagName)) window.zentriForeign.push(n.outerHTML.slice(0, 120));
    for (const c of n.children) look(c);
  };
  new MutationObserver((list) => { for (const m of list) for (const n of m.addedNodes) look(n); })
    .observe(document.documentElement, {childList: true, subtree: true});
});
"""

ROWS = "document.querySelectorAll('#devices tr').length"
# A row's cells as text: name, state, seen, last seen, IP, MAC, SD card, differences.
CELLS = "[...document.querySelectorAll('#devices tr')].map(tr => [...tr.cells].map(td => td.textContent))"


class Failed(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failed(what)


class Server:
    def __init__(self, binary):
        self.proc = subprocess.Popen([binary, "--devices", str(DEVICES), "--interval", "1"],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        self.lines = []
        self.cond = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()
        line = self.expect("serving ", 120)
        self.url = line.split(" ", 1)[1]

    def _read(self):
        for line in self.proc.stdout:
            with self.cond:
                self.lines.append(line.strip())
                self.cond.notify_all()
        with self.cond:
            self.lines.append(None)
            self.cond.notify_all()

    def expect(self, prefix, timeout=30):
        deadline = time.monotonic() + timeout
        with self.cond:
            while True:
                for i, line in enumerate(self.lines):
                    if line is None:
                        raise Failed(f"the page server ended (status {self.proc.poll()})")
                    if line.startswith(prefix):
                        del self.lines[: i + 1]
                        return line
                left = deadline - time.monotonic()
                if left <= 0:
                    raise Failed(f"the page server did not say {prefix!r} within {timeout} s")
                self.cond.wait(left)

    def command(self, text):
        self.proc.stdin.write(text + "\n")
        self.proc.stdin.flush()
        self.expect("ok")

    def status(self):
        with urllib.request.urlopen(self.url + "api/status", timeout=30) as r:
            return json.load(r)

    def stop(self):
        self.proc.stdin.close()
        try:
            self.proc.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


def load(page, url):
    page.navigate(url)
    page.wait_for(f"{ROWS} === {DEVICES} && document.querySelectorAll('#events tr').length > 0", 120,
                  f"{DEVICES} rows and the events drawn")


def check_text_stays_text(page, status, policy):
    """The hostile names as text everywhere, nothing of theirs run or built, the rows as the API says."""
    where = "with the page's policy" if policy else "with the policy set aside"
    cells = page.evaluate(CELLS)
    check(len(cells) == DEVICES, f"{where}: {len(cells)} rows, not {DEVICES}")
    names = [c[0] for c in cells]
    api_names = [d["name"] or "—" for d in status["devices"]]
    check(names == api_names, f"{where}: the rows' names differ from /api/status: "
          f"{[(a, b) for a, b in zip(names, api_names) if a != b][:3]}")
    states = [c[1] for c in cells]
    check(states == [d["state"] for d in status["devices"]], f"{where}: the rows' states differ from /api/status")
    for name in RIG_NAMES + STRAY_NAMES:
        check(name in names, f"{where}: no row named {name!r} as text")
    table_text = page.evaluate("document.querySelector('#devices').innerText")
    for name in RIG_NAMES + STRAY_NAMES:
        check(name in table_text, f"{where}: {name!r} not in the table's text as shown")
    events_text = page.evaluate("document.querySelector('#events').innerText")
    for name in STRAY_NAMES:  # boxes outside the rig: a "new" event each
        check(name in events_text, f"{where}: the events do not show {name!r} as text")
    title = page.evaluate("document.querySelector('#title').textContent")
    check(title == "Rig " + RIG_NAME, f"{where}: the title reads {title!r}")
    check(page.evaluate("document.title").startswith(RIG_NAME), f"{where}: the document's title is not the rig's")
    check(page.evaluate("window.zentriAlerts") == [] and page.dialogs == [],
          f"{where}: a dialog was opened: {page.evaluate('window.zentriAlerts')} {page.dialogs}")
    check(page.evaluate("typeof window.zentriPwned") == "undefined", f"{where}: a name's script ran")
    foreign = page.evaluate("window.zentriForeign")
    check(foreign == [], f"{where}: elements built from text: {foreign[:3]}")
    check(page.evaluate("document.images.length") == 0, f"{where}: the page holds an image")
    check(page.evaluate("document.scripts.length") == 1, f"{where}: the page holds more than its one script")
    check(page.evaluate("document.querySelectorAll('#devices *:not(tr):not(td), #events *:not(tr):not(td),"
                        " #counts *:not(li)').length") == 0, f"{where}: markup inside the tables")


def check_redraws(page, server):
    """Box BOX goes dark and comes back; the open page follows without a reload."""
    page.evaluate("window.zentriSameDocument = true")
    row = f"document.querySelectorAll('#devices tr')[{BOX}]"
    check(page.evaluate(f"{row}.cells[0].textContent") == f"Box {BOX}", "the row of the box to darken")
    check(page.evaluate(f"{row}.cells[2].textContent") == "online", f"Box {BOX} is not online at first")
    events = "document.querySelector('#events').innerText"
    server.command(f"dark {BOX}")
    page.wait_for(f"['missed', 'offline'].includes({row}.cells[2].textContent)", 60, f"Box {BOX} missed")
    page.wait_for(f"{row}.cells[2].textContent === 'offline' && {events}.includes('offline')", 60,
                  f"Box {BOX} offline, with its event")
    server.command(f"light {BOX}")
    page.wait_for(f"{row}.cells[2].textContent === 'online' && {events}.includes('back online')", 60,
                  f"Box {BOX} back online, with its event")
    check(page.evaluate("window.zentriSameDocument === true"), "the page was loaded again")
    check(page.evaluate("performance.getEntriesByType('navigation').length") == 1, "a second navigation")
    summary = page.evaluate("document.querySelector('#summary').textContent")
    check(summary.startswith(f"{DEVICES - 10} of {DEVICES - 10} online"), f"the summary reads {summary!r}")


def check_width(page, url, width, height, mobile, shot):
    page.viewport(width, height, mobile)
    load(page, url)
    page.wait_for(f"window.innerWidth === {width}", 30, f"a viewport {width} px wide")
    wide = page.evaluate("[document.documentElement.scrollWidth, document.body.scrollWidth]")
    check(max(wide) <= width, f"at {width} px the page is {wide} px wide: it scrolls sideways")
    # Nor do the tables inside their own boxes (which would hide their overflow from the body).
    inner = page.evaluate("[...document.querySelectorAll('.table')].map(e => [e.scrollWidth, e.clientWidth])")
    check(all(w <= c for w, c in inner), f"at {width} px a table scrolls sideways in its box: {inner}")
    # What is read first stays short with 99 devices differing, and the devices begin on the first screen.
    summary = page.evaluate("document.querySelector('#summary').textContent")
    check(len(summary) <= 300 and "differs: " + RIG_NAMES[0] + ", Box 10, Box 20, Box 30, Box 40 and 94 more"
          in summary, f"at {width} px the summary reads {summary[:200]!r}...")
    top = page.evaluate("document.querySelector('#devices tr').getBoundingClientRect().top")
    check(top < height, f"at {width} px the first device is {top:.0f} px down, below the first screen")
    if shot:
        page.screenshot(shot)


def main():
    args = sys.argv[1:]
    if not args:
        print(__doc__)
        return 2
    shots = args[args.index("--screenshots") + 1] if "--screenshots" in args else None
    if not cdp.find_chromium():
        print("SKIPPED: the status page's browser test needs chromium")
        return 77
    server = Server(args[0])
    try:
        with cdp.Chromium(1280, 800) as browser:
            page = browser.page()
            page.call("Network.enable")
            page.call("Network.setCacheDisabled", {"cacheDisabled": True})
            page.call("Page.addScriptToEvaluateOnNewDocument", {"source": WATCHER})

            page.call("Page.setBypassCSP", {"enabled": True})
            load(page, server.url)
            check_text_stays_text(page, server.status(), policy=False)
            check_redraws(page, server)
            print("text stays text and the page redraws itself (policy set aside)")

            page.call("Page.setBypassCSP", {"enabled": False})
            load(page, server.url)
            check_text_stays_text(page, server.status(), policy=True)
            violations = page.evaluate("window.zentriViolations")
            check(violations == [], f"policy violations: {violations[:3]}")
            print("text stays text under the page's own policy, no violation")

            check_width(page, server.url, 360, 740, True, shots and os.path.join(shots, "watch-page-phone.png"))
            check_width(page, server.url, 1280, 800, False, shots and os.path.join(shots, "watch-page.png"))
            print("no sideways scrolling at 360 and 1280 px")
    except (Failed, cdp.Failure) as e:
        print(f"FAILED: {e}", file=sys.stderr)
        return 1
    finally:
        server.stop()
    print("status page browser test passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
