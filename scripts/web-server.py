#!/usr/bin/env python3
"""Serves a folder on localhost as a static web host does: gzip where the
browser accepts it, validators for revalidation, the right type for
WebAssembly. Each request is logged as one JSON line on standard error
(path, status, bytes sent), which the web tests and benchmarks read.

Usage: web-server.py FOLDER [PORT]   (port 0: any free one; the URL is printed)
"""

import email.utils
import functools
import gzip
import hashlib
import http.server
import json
import os
import sys

TYPES = {
    ".html": "text/html; charset=utf-8", ".css": "text/css", ".js": "text/javascript",
    ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
    ".svg": "image/svg+xml", ".png": "image/png", ".json": "application/json",
}
COMPRESSED = {".html", ".css", ".js", ".wasm", ".webmanifest", ".svg", ".json"}


@functools.lru_cache(maxsize=64)
def compressed(tag, body):
    """As a host serves it: compressed once, ahead of the request."""
    return gzip.compress(body, 9, mtime=0)


def handler_for(folder, log=sys.stderr):
    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def do_GET(self):
            path = self.path.split("?")[0]
            if path.endswith("/"):
                path += "index.html"
            file = os.path.realpath(os.path.join(folder, path.lstrip("/")))
            extension = os.path.splitext(file)[1]
            if not file.startswith(os.path.realpath(folder) + os.sep) or not os.path.isfile(file):
                return self.answer(404, b"", "text/plain")
            with open(file, "rb") as f:
                body = f.read()
            tag = '"' + hashlib.sha256(body).hexdigest()[:16] + '"'
            if self.headers.get("If-None-Match") == tag:
                return self.answer(304, b"", None, tag)
            gzipped = extension in COMPRESSED and "gzip" in self.headers.get("Accept-Encoding", "")
            if gzipped:
                body = compressed(tag, body)
            self.answer(200, body, TYPES.get(extension, "application/octet-stream"), tag, gzipped)

        def answer(self, status, body, content_type, tag=None, gzipped=False):
            self.send_response(status)
            if content_type:
                self.send_header("Content-Type", content_type)
            if tag:
                self.send_header("ETag", tag)
                self.send_header("Cache-Control", "no-cache")
            if gzipped:
                self.send_header("Content-Encoding", "gzip")
            self.send_header("Content-Length", str(len(body)))
            # One request a connection: once the server stops, nothing more
            # reaches the page from it, as when a host goes offline.
            self.send_header("Connection", "close")
            self.send_header("Date", email.utils.formatdate(usegmt=True))
            self.end_headers()
            self.wfile.write(body)
            print(json.dumps({"path": self.path, "status": status, "bytes": len(body)}), file=log, flush=True)

        def log_message(self, *args):
            pass

    return Handler


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser that drops a connection it no longer needs is no error.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def serve(folder, port=0, log=sys.stderr):
    """A threaded server on 127.0.0.1, not yet started."""
    return Server(("127.0.0.1", port), handler_for(folder, log))


if __name__ == "__main__":
    server = serve(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 0)
    print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
