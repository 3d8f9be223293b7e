#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
"""Serves a folder on 127.0.0.1 only, as any static web server would: the
.wasm with the application/wasm type, the manifest with its own. Where the
site's build laid a compressed copy beside a file (NAME.br, NAME.gz) and the
request's Accept-Encoding takes it, the copy goes instead, Brotli before
gzip, as nginx's gzip_static and brotli_static send them.

    serve.py FOLDER [PORT]

Also used by the web tests, which start and stop it in a thread of their own.
"""
import datetime
import email.utils
import functools
import http.server
import os
import re
import sys
import threading
import urllib.parse

TYPES = {
    '.wasm': 'application/wasm',
    '.js': 'text/javascript',
    '.webmanifest': 'application/manifest+json',
    '.svg': 'image/svg+xml',
    '.wav': 'audio/wav',
}
# The copies a server may send instead of a file, in the order it prefers them.
CODINGS = (('br', '.br'), ('gzip', '.gz'))


def accepted(header):
    """The content codings an Accept-Encoding header takes: those it names
    (or covers with *) without q=0."""
    weights = {}
    for part in header.split(','):
        name, _, params = part.partition(';')
        match = re.search(r'q\s*=\s*([0-9.]+)', params)
        try:
            weights[name.strip().lower()] = float(match.group(1)) if match else 1.0
        except ValueError:
            weights[name.strip().lower()] = 0.0
    return {coding for coding, _ in CODINGS if weights.get(coding, weights.get('*', 0.0)) > 0}


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    # Every request reaches the server, so the tests see what the page asks for;
    # and what each answer with a body carried: (path, coding, bytes).
    requests = []
    sent = []

    def __init__(self, *args, compress=True, **kwargs):
        self.compress = compress
        self.vary = False
        super().__init__(*args, **kwargs)

    def end_headers(self):
        self.send_header('Cache-Control', 'no-cache')
        if self.vary:
            self.send_header('Vary', 'Accept-Encoding')
        super().end_headers()

    def send_head(self):
        plain = self.translate_path(self.path)
        if os.path.isdir(plain) and urllib.parse.urlsplit(self.path).path.endswith('/'):
            plain = os.path.join(plain, 'index.html')
        # A copy older than its file is left alone: the file was replaced. (In
        # whole seconds, as brotli gives its copy the time of the file.)
        copies = [(coding, plain + suffix) for coding, suffix in CODINGS if os.path.isfile(plain)
                  and os.path.isfile(plain + suffix)
                  and int(os.path.getmtime(plain + suffix)) >= int(os.path.getmtime(plain))]
        self.vary = self.compress and bool(copies)
        taken = accepted(self.headers.get('Accept-Encoding', '')) if self.vary else set()
        chosen = next(((coding, copy) for coding, copy in copies if coding in taken), None)
        if chosen is None:
            answer = super().send_head()
            if answer is not None and os.path.isfile(plain):
                Handler.sent.append((self.path, 'identity', os.path.getsize(plain)))
            return answer
        coding, copy = chosen
        modified = os.path.getmtime(plain)
        if self.unchanged_since(modified):
            self.send_response(304)
            self.end_headers()
            return None
        answer = open(copy, 'rb')
        size = os.fstat(answer.fileno()).st_size
        self.send_response(200)
        self.send_header('Content-Type', self.guess_type(plain))
        self.send_header('Content-Encoding', coding)
        self.send_header('Content-Length', str(size))
        self.send_header('Last-Modified', self.date_time_string(modified))
        self.end_headers()
        Handler.sent.append((self.path, coding, size))
        return answer

    def unchanged_since(self, modified):
        """A revalidation (If-Modified-Since) of a file not changed since."""
        since = self.headers.get('If-Modified-Since')
        if since is None or 'If-None-Match' in self.headers:
            return False
        try:
            when = email.utils.parsedate_to_datetime(since)
        except (TypeError, ValueError, IndexError, OverflowError):
            return False
        if when.tzinfo is None:
            when = when.replace(tzinfo=datetime.timezone.utc)
        return int(modified) <= when.timestamp()

    def log_message(self, format, *args):
        Handler.requests.append(self.path)


class Server:
    """A server in a thread of its own, on a free port unless one is given;
    with compress=False it sends the files alone, as a plain server does."""

    def __init__(self, folder, port=0, compress=True):
        handler = functools.partial(Handler, directory=folder, compress=compress)
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
