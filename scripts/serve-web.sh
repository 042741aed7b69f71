#!/usr/bin/env bash
# Serves the browser edition from build-web/site/ at http://127.0.0.1:PORT/ (default 8080), with
# the MIME types a browser needs for .wasm, JavaScript modules and the manifest. Any static file
# server does the same on a school's web server.
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}
site=build-web/site
if [[ ! -f $site/index.html ]]; then
  echo "serve-web.sh: $site is not built; run scripts/build-web.sh first" >&2
  exit 1
fi
echo "Plotwerk: http://127.0.0.1:$port/"
exec python3 web/serve.py "$site" "$port"
