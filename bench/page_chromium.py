#!/usr/bin/env python3
"""The status page with 1000 devices drawn in headless Chromium, beside a plain static page.

    bench/page_chromium.py WATCH_PAGE_SERVER [--loads N]

The whole watch service serves its page for a played venue of 1000 boxes (tests/tools/
watch_page_server.cpp) on loopback. Each load is a fresh navigation with the cache off, timed from
the navigation's start to the first animation frame after the table of 1000 rows exists (the page
notes it in document.documentElement.dataset.drawnMs). The reference, loaded in turn with the same
browser: a static page holding the same 1000 rows of text, timed the same way. The first load of
each is left out (it starts the renderer). Prints one ROW line for bench/run.sh; exits 77 without
chromium.
"""

import html
import http.server
import json
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import urllib.request

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(here), "tests", "tools"))
import cdp  # noqa: E402

DRAWN = "document.documentElement.dataset.drawnMs"  # the first table (the devices) drawn, in ms


def static_page(status):
    """The same texts as the page's table, as plain HTML, timed as the page times itself."""
    sd = {True: "present", False: "none", None: "not asked"}
    rows = []
    for d in status["devices"]:
        cells = [d["name"], d["state"], d["watch"], d["last_seen"] or "never", d["ip"], d["mac"],
                 sd[d["sd_card"]], d["detail"] or "—"]
        rows.append("<tr>" + "".join(f"<td>{html.escape(c or '—')}</td>" for c in cells) + "</tr>")
    return ("<!DOCTYPE html><html lang=en><head><meta charset=utf-8><title>1000 rows</title></head><body>"
            "<table><thead><tr><th>Name</th><th>State</th><th>Seen</th><th>Last seen</th><th>IP</th>"
            "<th>MAC</th><th>SD card</th><th>Differences</th></tr></thead><tbody>" + "".join(rows) +
            "</tbody></table><script>requestAnimationFrame(() => { " + DRAWN +
            " = performance.now().toFixed(0); });</script></body></html>").encode()


def serve(body):
    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            self.send_response(200)
            self.send_header("Content-Type", "text/html; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def timed_load(page, url, rows):
    page.navigate("about:blank")
    page.wait_for("location.href === 'about:blank'", 30)
    page.navigate(url)
    # Null-safe: the expression may run while the new document is still being made.
    drawn = ("(() => { const t = document.querySelector('tbody'), d = document.documentElement;"
             f" return t && d && t.rows.length === {rows} && d.dataset.drawnMs; }})()")
    return float(page.wait_for(drawn, 60, f"{rows} rows drawn at {url}"))


def main():
    args = sys.argv[1:]
    if not args:
        print(__doc__)
        return 2
    loads = int(args[args.index("--loads") + 1]) if "--loads" in args else 7
    if not cdp.find_chromium():
        print("SKIPPED: the page benchmark needs chromium", file=sys.stderr)
        print("ROW\tStatus page with 1000 devices drawn in Chromium\t<= 1 s\tskipped (no chromium)\t-")
        return 0
    log = tempfile.TemporaryFile()  # the service's event lines; shown when something fails
    server = subprocess.Popen([args[0], "--devices", "1000", "--interval", "3"], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE, stderr=log, text=True)
    try:
        line = server.stdout.readline().strip()
        if not line.startswith("serving "):
            print(f"page_chromium: the page server did not start ({line!r})", file=sys.stderr)
            log.seek(0)
            sys.stderr.write(log.read().decode(errors="replace")[-2000:])
            return 1
        url = line.split(" ", 1)[1]
        with urllib.request.urlopen(url + "api/status", timeout=30) as r:
            status = json.load(r)
        rows = len(status["devices"])
        reference = serve(static_page(status))
        ref_url = f"http://127.0.0.1:{reference.server_address[1]}/"
        page_ms, ref_ms = [], []
        with cdp.Chromium(1280, 800) as browser:
            page = browser.page()
            page.call("Network.enable")
            page.call("Network.setCacheDisabled", {"cacheDisabled": True})
            page.viewport(1280, 800)
            for i in range(loads + 1):
                p, r = timed_load(page, url, rows), timed_load(page, ref_url, rows)
                if i:
                    page_ms.append(p)
                    ref_ms.append(r)
        reference.shutdown()
    except cdp.Failure as e:
        print(f"page_chromium: {e}", file=sys.stderr)
        log.seek(0)
        sys.stderr.write(log.read().decode(errors="replace")[-2000:])
        return 1
    finally:
        server.stdin.close()
        server.wait(timeout=30)
    pm, rm = statistics.median(page_ms), statistics.median(ref_ms)
    print(f"  page: {page_ms} ms; static page of the same rows: {ref_ms} ms", file=sys.stderr)
    print(f"ROW\tStatus page with {rows} devices drawn in Chromium (1280 px, from navigation, median of {loads})"
          f"\t<= 1 s\t{pm:.0f} ms ({min(page_ms):.0f} to {max(page_ms):.0f}); a static page of the same rows: "
          f"{rm:.0f} ms (the page x{pm / rm:.2f})\t{'yes' if pm <= 1000 else 'NO'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
