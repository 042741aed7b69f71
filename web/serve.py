#!/usr/bin/env python3
"""A static file server for the page on 127.0.0.1, with the MIME types of its files."""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        '.wasm': 'application/wasm',
        '.js': 'text/javascript',
        '.mjs': 'text/javascript',
        '.json': 'application/json',
        '.webmanifest': 'application/manifest+json',
        '.svg': 'image/svg+xml',
        '.html': 'text/html; charset=utf-8',
        '.css': 'text/css',
    }

    def log_message(self, format, *args):  # keep the terminal and the test logs quiet
        pass


def main():
    site, port = sys.argv[1], int(sys.argv[2])
    handler = functools.partial(Handler, directory=site)
    with http.server.ThreadingHTTPServer(('127.0.0.1', port), handler) as server:
        server.serve_forever()


if __name__ == '__main__':
    main()
