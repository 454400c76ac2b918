#!/usr/bin/env bash
# Regenerates the pictures of the operator's manual (docs/manual/*.png) from
# the real windows, on a virtual X server with a fixed screen size, in Chinese.
# Usage: scripts/screenshots.sh BUILD_DIR   (the folder holding tools/screenshots/dotsign-shots)
set -euo pipefail

build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
shots="$build/tools/screenshots/dotsign-shots"
out="$here/docs/manual"

if [[ ! -x "$shots" ]]; then
    echo "screenshots: $shots is missing; build the target dotsign-shots first" >&2
    exit 1
fi
if ! command -v xvfb-run >/dev/null; then
    echo "screenshots: xvfb-run is missing (package xvfb)" >&2
    exit 1
fi

mkdir -p "$out"
rm -f "$out"/*.png
# A private settings folder, so that the operator's own settings neither show
# in the pictures nor get changed by them.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

env -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    QT_QPA_PLATFORM=xcb LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 TZ=Asia/Shanghai \
    xvfb-run -a -s "-screen 0 1280x800x24" "$shots" "$out"

# Window pictures hold few colours: a 256-colour palette without dithering
# looks the same and keeps the repository small.
if command -v convert >/dev/null; then
    for png in "$out"/*.png; do
        convert "$png" -strip -define png:exclude-chunks=date,time -dither None -colors 256 "PNG8:$png.tmp" && mv "$png.tmp" "$png"
    done
fi

echo "screenshots: $(ls "$out"/*.png | wc -l) pictures, $(du -ch "$out"/*.png | tail -1 | cut -f1) in $out"
