#!/usr/bin/env bash
# Builds the browser edition into build-web/site/: the core compiled with Emscripten to
# plotwerk.wasm and its loader, the page, the German texts, the help and the offline files.
# Serve the folder with scripts/serve-web.sh or any static file server.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=build-web
site=$out/site
jobs=$(nproc)
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# Debian's Emscripten finds its Node modules only through NODE_PATH when the machine's Node is
# not Debian's own.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

# The rule-table packer runs on this machine, so it is built natively first.
cmake -S . -B $out/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLOTWERK_CORE_ONLY=ON "${launcher[@]}" >/dev/null
cmake --build $out/host -j"$jobs" --target pack_rewrite_rules >/dev/null

emcmake cmake -S . -B $out/wasm -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLOTWERK_WERROR=ON \
  -DPLOTWERK_HOST_PACK_REWRITE_RULES="$root/$out/host/resources/pack_rewrite_rules" "${launcher[@]}" >/dev/null
cmake --build $out/wasm -j"$jobs" --target plotwerk_web

rm -rf $site.new
mkdir -p $site.new
cp web/page/* $site.new/
cp $out/wasm/web/plotwerk.js $out/wasm/web/plotwerk.wasm $site.new/
cp ui/help/help_en.html ui/help/help_de.html $site.new/
python3 web/make_site_data.py translations/plotwerk_de.ts $site.new
rm -rf $site
mv $site.new $site
echo "build-web.sh: the page is in $site"
