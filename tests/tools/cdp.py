"""Headless Chromium driven over its DevTools protocol, with nothing but the standard library (the
websocket is written out here: text frames, masked from the client, fragments, ping and close).

    with Chromium(width=1280, height=800) as browser:
        page = browser.page()
        page.navigate("http://127.0.0.1:7880/")
        page.wait_for("document.querySelectorAll('#devices tr').length === 1000")

Every wait has a deadline and fails with what it waited for; nothing waits a fixed time.
"""

import base64
import json
import os
import shutil
import socket
import struct
import subprocess
import tempfile
import time
import urllib.request

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-default-apps", "--disable-extensions", "--mute-audio", "--hide-scrollbars"]


class Failure(Exception):
    pass


def find_chromium():
    """The browser's path (CHROMIUM overrides), or None."""
    for name in (os.environ.get("CHROMIUM"), "chromium", "chromium-browser"):
        if name and shutil.which(name):
            return shutil.which(name)
    return None


class WebSocket:
    def __init__(self, url, timeout=60):
        assert url.startswith("ws://")
        hostport, path = url[5:].split("/", 1)
        host, port = hostport.rsplit(":", 1)
        self.sock = socket.create_connection((host, int(port)), timeout=timeout)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET /{path} HTTP/1.1\r\nHost: {hostport}\r\nUpgrade: websocket\r\n"
                           f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                           "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        head = b""
        while b"\r\n\r\n" not in head:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise Failure("the DevTools socket closed during the handshake")
            head += chunk
        head, self.buffer = head.split(b"\r\n\r\n", 1)
        if b" 101 " not in head.split(b"\r\n", 1)[0]:
            raise Failure("DevTools refused the websocket: " + head.decode(errors="replace"))

    def _read(self, n):
        while len(self.buffer) < n:
            chunk = self.sock.recv(max(65536, n - len(self.buffer)))
            if not chunk:
                raise Failure("the DevTools socket closed")
            self.buffer += chunk
        data, self.buffer = self.buffer[:n], self.buffer[n:]
        return data

    def _frame(self, opcode, payload):
        head = bytes([0x80 | opcode])
        n = len(payload)
        if n < 126:
            head += bytes([0x80 | n])
        elif n < 65536:
            head += bytes([0x80 | 126]) + struct.pack(">H", n)
        else:
            head += bytes([0x80 | 127]) + struct.pack(">Q", n)
        mask = os.urandom(4)
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
        self.sock.sendall(head + mask + masked)

    def send(self, text):
        self._frame(0x1, text.encode())

    def receive(self, timeout):
        """The next text message, or None when none came within `timeout` seconds."""
        self.sock.settimeout(timeout)
        message = b""
        try:
            while True:
                b0, b1 = self._read(2)
                opcode, n = b0 & 0x0F, b1 & 0x7F
                if n == 126:
                    n = struct.unpack(">H", self._read(2))[0]
                elif n == 127:
                    n = struct.unpack(">Q", self._read(8))[0]
                if b1 & 0x80:
                    mask = self._read(4)
                    payload = bytes(b ^ mask[i % 4] for i, b in enumerate(self._read(n)))
                else:
                    payload = self._read(n)
                # Once a frame has begun it is read to its end, whatever the time-out.
                self.sock.settimeout(60)
                if opcode == 0x9:
                    self._frame(0xA, payload)
                elif opcode == 0x8:
                    raise Failure("DevTools closed the websocket")
                elif opcode in (0x0, 0x1, 0x2):
                    message += payload
                    if b0 & 0x80:
                        return message.decode()
        except socket.timeout:
            if message:
                raise Failure("a DevTools message stopped half-way")
            return None

    def close(self):
        try:
            self._frame(0x8, b"")
        except OSError:
            pass
        self.sock.close()


class Page:
    """One tab: commands, and the events that came meanwhile."""

    def __init__(self, ws):
        self.ws = ws
        self.next_id = 0
        self.events = []
        self.dialogs = []

    def _dispatch(self, message):
        m = json.loads(message)
        if "id" in m:
            return m
        self.events.append(m)
        if m.get("method") == "Page.javascriptDialogOpening":
            # A dialog blocks the page's script; it is noted, then dismissed.
            self.dialogs.append(m["params"].get("message", ""))
            self.ws.send(json.dumps({"id": 0, "method": "Page.handleJavaScriptDialog",
                                     "params": {"accept": False}}))
        return None

    def call(self, method, params=None, timeout=60):
        self.next_id += 1
        mine = self.next_id
        self.ws.send(json.dumps({"id": mine, "method": method, "params": params or {}}))
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            message = self.ws.receive(max(0.05, deadline - time.monotonic()))
            if message is None:
                continue
            m = self._dispatch(message)
            if m and m["id"] == mine:
                if "error" in m:
                    raise Failure(f"{method}: {m['error']}")
                return m.get("result", {})
        raise Failure(f"{method}: no answer within {timeout} s")

    def pump(self, seconds):
        """Takes the events that come within `seconds` (at most)."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            message = self.ws.receive(max(0.01, deadline - time.monotonic()))
            if message is not None:
                self._dispatch(message)

    def evaluate(self, expression, timeout=60):
        r = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                           "awaitPromise": True}, timeout)
        if "exceptionDetails" in r:
            d = r["exceptionDetails"]
            raise Failure(f"{expression[:80]}: {d.get('exception', {}).get('description', d.get('text'))}")
        return r["result"].get("value")

    def wait_for(self, expression, timeout=60, what=None):
        """Evaluates `expression` until it is truthy; its value."""
        deadline = time.monotonic() + timeout
        while True:
            value = self.evaluate(expression)
            if value:
                return value
            if time.monotonic() > deadline:
                raise Failure(f"waited {timeout} s for {what or expression}")
            self.pump(0.1)

    def navigate(self, url):
        r = self.call("Page.navigate", {"url": url})
        if r.get("errorText"):
            raise Failure(f"{url}: {r['errorText']}")

    def viewport(self, width, height, mobile=False):
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", {"format": "png"})["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))


class Chromium:
    def __init__(self, width=1280, height=800, extra=()):
        self.binary = find_chromium()
        if not self.binary:
            raise Failure("no chromium")
        self.width, self.height, self.extra = width, height, list(extra)
        self.proc = None
        self.sockets = []

    def __enter__(self):
        self.profile = tempfile.mkdtemp(prefix="zentri-chromium.")
        self.log = open(os.path.join(self.profile, "stderr.log"), "wb")
        self.proc = subprocess.Popen(
            [self.binary, *FLAGS, f"--user-data-dir={self.profile}", "--remote-debugging-address=127.0.0.1",
             "--remote-debugging-port=0", f"--window-size={self.width},{self.height}", *self.extra,
             "about:blank"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=self.log)
        active = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.monotonic() + 60
        while not (os.path.exists(active) and len(open(active).read().split("\n")) >= 2):
            if self.proc.poll() is not None or time.monotonic() > deadline:
                raise Failure("chromium did not open its DevTools port: " + self.stderr())
            time.sleep(0.05)
        self.port = int(open(active).read().split("\n")[0])
        return self

    def stderr(self):
        self.log.flush()
        with open(os.path.join(self.profile, "stderr.log"), "rb") as f:
            return f.read().decode(errors="replace")[-2000:]

    def page(self):
        """The first tab."""
        deadline = time.monotonic() + 60
        while True:
            with urllib.request.urlopen(f"http://127.0.0.1:{self.port}/json/list", timeout=30) as r:
                pages = [t for t in json.load(r) if t.get("type") == "page"]
            if pages:
                break
            if time.monotonic() > deadline:
                raise Failure("chromium shows no tab")
            time.sleep(0.05)
        ws = WebSocket(pages[0]["webSocketDebuggerUrl"])
        self.sockets.append(ws)
        page = Page(ws)
        page.call("Page.enable")
        page.call("Runtime.enable")
        return page

    def __exit__(self, *exc):
        for ws in self.sockets:
            ws.close()
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=30)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)
