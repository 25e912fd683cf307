#!/usr/bin/env python3
"""A webhook's receiver for the tests: every POST's body is appended to FILE as one line, and answered 200.

    webhook_receiver.py ADDRESS PORT FILE

Anything else than a POST answers 405. It writes "listening" to standard output once it is bound.
"""
import http.server
import sys


class Receiver(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length).replace(b"\n", b" ")
        with open(self.server.received, "ab") as out:
            out.write(body + b"\n")
        self.send_response(200)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def do_GET(self):
        self.send_error(405)

    def log_message(self, format, *args):  # one line a request on standard error, without the host's name
        sys.stderr.write("webhook receiver: " + (format % args) + "\n")


def main():
    address, port, received = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    server = http.server.HTTPServer((address, port), Receiver)
    server.received = received
    print("listening", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
