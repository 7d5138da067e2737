#!/usr/bin/env bash
# Makes the README's picture: starts the real program under a virtual X server (Xvfb), clicks the
# first 24 moves of a game onto its board with xdotool, and saves the main window as
# docs/screenshot.png. The clicking and the capture are done by tools/screenshot/screenshot_game.cpp.
# Usage: scripts/screenshot.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
scripts/install-deps.sh screenshot
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZADADA_SCREENSHOT=ON >/dev/null
cmake --build "$build" --target zadada screenshot_game
mkdir -p docs
"$build/bin/screenshot_game" "$build/bin/zadada" docs/screenshot.png
echo "Wrote docs/screenshot.png"
