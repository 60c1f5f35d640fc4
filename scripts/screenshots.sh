#!/usr/bin/env bash
# Takes the manual's pictures again: the editor's and the runner's real windows under a
# private Xvfb, in one fixed style, font, size and language, saved into doc/manual/images
# and made small. Run it after a change to what the windows show, then commit the PNGs.
#   scripts/screenshots.sh [build-folder]
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build}
IMAGES=$ROOT/doc/manual/images

cmake -S "$ROOT" -B "$BUILD" -DQUINTOR_MANUAL_SHOTS=ON >/dev/null
cmake --build "$BUILD" --target manualshots qtedit2 quintor2

# Xvfb picks a free display and tells it on the descriptor we hand it.
DISPLAY_FILE=$(mktemp)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$DISPLAY_FILE" &
XVFB=$!
trap 'kill $XVFB 2>/dev/null; rm -f "$DISPLAY_FILE"' EXIT
for _ in $(seq 50); do
  [ -s "$DISPLAY_FILE" ] && break
  sleep 0.1
done
[ -s "$DISPLAY_FILE" ] || { echo "screenshots.sh: Xvfb did not start" >&2; exit 1; }

STATE=$(mktemp -d)
mkdir -p "$IMAGES"
rm -f "$IMAGES"/*.png
# English, the Fusion style and one font at one size, whatever this machine's desktop is;
# no state of the user's (history, recovery copies) shows in the pictures.
env -i PATH="$PATH" HOME="$STATE" DISPLAY=":$(head -n1 "$DISPLAY_FILE")" \
  LANG=C LC_ALL=C XDG_STATE_HOME="$STATE/state" XDG_RUNTIME_DIR="$STATE" \
  XDG_DATA_HOME="$STATE/data" XDG_CONFIG_HOME="$STATE/config" \
  QT_QPA_PLATFORM=xcb QT_STYLE_OVERRIDE=Fusion QT_QPA_PLATFORMTHEME= QT_SCALE_FACTOR=1 \
  QT_FONT_DPI=96 FONTCONFIG_FILE="$ROOT/doc/manual/shots/fonts.conf" \
  QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu" QTWEBENGINE_DISABLE_SANDBOX=1 \
  "$BUILD/bin/manualshots" "$IMAGES" "$ROOT/examples"
rm -rf "$STATE"

# 256 colours at most, no metadata: the pictures stay small in the repository.
for picture in "$IMAGES"/*.png; do
  convert "$picture" -strip -colors 256 -define png:compression-level=9 "PNG8:$picture"
done
du -ch "$IMAGES"/*.png | tail -n1
# The build folder builds what it built before.
cmake -S "$ROOT" -B "$BUILD" -DQUINTOR_MANUAL_SHOTS=OFF >/dev/null
