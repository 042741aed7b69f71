#!/usr/bin/env bash
# Installs what is missing, builds Plotwerk and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [[ -x build/ui/plotwerk ]]; then
  exec build/ui/plotwerk "$@"
fi
# Until the window exists: a short demonstration of the command-line tool.
cli=build/cli/plotwerk-cli
echo '$ plotwerk-cli eval "X*SIN(X+P)" 1 2 --p 0.5'; "$cli" eval "X*SIN(X+P)" 1 2 --p 0.5
echo '$ plotwerk-cli eval "2^3^2" 0'; "$cli" eval "2^3^2" 0
echo '$ plotwerk-cli number "2*PI"'; "$cli" number "2*PI"
echo '$ plotwerk-cli format 1 2 -1.5'; "$cli" format 1 2 -1.5
