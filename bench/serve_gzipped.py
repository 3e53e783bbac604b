#!/usr/bin/env python3
"""Serves a folder as static hosts do, each file gzipped where the browser accepts it,
for measuring the page as it is served (Lighthouse).
Usage: python3 bench/serve_gzipped.py [SITE_DIR] [PORT]  (build-web/site, 8000)"""
import functools
import gzip
import http.server
import os
import sys


class Gzipped(http.server.SimpleHTTPRequestHandler):
    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not os.path.isfile(path):
            return super().send_head()
        with open(path, "rb") as f:
            body = gzip.compress(f.read(), 9)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return __import__("io").BytesIO(body)

    def log_message(self, *args):
        pass


site = sys.argv[1] if len(sys.argv) > 1 else "build-web/site"
port = int(sys.argv[2]) if len(sys.argv) > 2 else 8000
http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Gzipped, directory=site)).serve_forever()
