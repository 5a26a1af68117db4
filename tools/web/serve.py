#!/usr/bin/env python3
"""Serves the browser's site on 127.0.0.1 as a static server would: the game's files with
their types, and compressed (brotli, else gzip) where the site holds them so and the
browser takes them.

    serve.py SITE [PORT]      prints the address to open; PORT 0 picks a free one
"""
import functools
import http.server
import os
import sys

TYPES = {".wasm": "application/wasm", ".js": "text/javascript", ".html": "text/html; charset=utf-8",
         ".txt": "text/plain; charset=utf-8", ".otf": "font/otf",
         ".webmanifest": "application/manifest+json"}
ENCODINGS = ((".br", "br"), (".gz", "gzip"))


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def send_head(self):
        path = self.translate_path(self.path)
        if self.path.endswith("/"):
            path = os.path.join(path, "index.html")
        accepted = self.headers.get("Accept-Encoding", "")
        if os.path.isfile(path):
            for suffix, encoding in ENCODINGS:
                if encoding in accepted and os.path.isfile(path + suffix):
                    return self.send_file(path + suffix, self.guess_type(path), encoding)
        return super().send_head()

    def send_file(self, path, content_type, encoding):
        f = open(path, "rb")
        self.send_response(200)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Encoding", encoding)
        self.send_header("Content-Length", str(os.fstat(f.fileno()).st_size))
        self.send_header("Vary", "Accept-Encoding")
        self.end_headers()
        return f

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, *args):
        pass


def main():
    site = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8029
    handler = functools.partial(Handler, directory=site)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        server.serve_forever()


main()
