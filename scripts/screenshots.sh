#!/usr/bin/env bash
# Makes the README's pictures again: builds the release as ./run does, then quorval-shots opens the
# demo league in the main window without a display and saves the windows and a printed listing
# into docs/images.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorval_install_packages

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVAL_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"

mkdir -p docs/images
QT_QPA_PLATFORM=offscreen build/release/tools/quorval-shots docs/images
