#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""Serves a folder on 127.0.0.1 only, as any static web server would: the
.wasm with the application/wasm type, the manifest with its own.

    serve.py FOLDER [PORT]

Also used by the web tests, which start and stop it in a thread of their own.
"""
import functools
import http.server
import sys
import threading

TYPES = {
    '.wasm': 'application/wasm',
    '.js': 'text/javascript',
    '.webmanifest': 'application/manifest+json',
    '.svg': 'image/svg+xml',
    '.wav': 'audio/wav',
}


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    # Every request reaches the server, so the tests see what the page asks for.
    requests = []

    def end_headers(self):
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()

    def log_message(self, format, *args):
        Handler.requests.append(self.path)


class Server:
    """A server in a thread of its own, on a free port unless one is given."""

    def __init__(self, folder, port=0):
        handler = functools.partial(Handler, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
        self.port = self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def url(self, path=''):
        return f'http://127.0.0.1:{self.port}/{path}'

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join()


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8080
    handler = functools.partial(Handler, directory=folder)
    Handler.log_message = http.server.SimpleHTTPRequestHandler.log_message
    with http.server.ThreadingHTTPServer(('127.0.0.1', port), handler) as httpd:
        try:
            httpd.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == '__main__':
    main()
