#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Plotwerk need.
# Idempotent and silent when everything is present; uses sudo only when not root.
# (--fuzz is still accepted; clang, which scripts/fuzz.sh and the sanitizer pass of ./test.sh
# use, is always installed now.)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  zlib1g-dev libgif-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  fonts-dejavu-core
  xvfb xauth xdotool imagemagick
  emf2svg
  # pdftotext reads the text of the printable page back in the tests.
  poppler-utils
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  dpkg-dev file desktop-file-utils appstream shared-mime-info
  # The second compiler: the sanitizer pass of ./test.sh and scripts/fuzz.sh (libFuzzer runtime).
  clang libclang-rt-dev
  # The browser edition (scripts/build-web.sh) and its tests in headless Chromium.
  emscripten nodejs python3 chromium chromium-driver python3-selenium
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
