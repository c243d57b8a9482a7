#!/bin/bash
# Starts the program under a virtual X server, waits for its window, checks
# its caption and client size, saves a screenshot of the screen and ends it.
# Usage: smoke-test.sh PROGRAM SCREENSHOT
set -euo pipefail

caption="Drennik's Plakmund for Kestrix v0.4 | Size: 2mb"

# Without a display of our own, run again inside a fresh Xvfb.
if [ -z "${PLAKMUND_SMOKE_XVFB:-}" ]; then
    exec env PLAKMUND_SMOKE_XVFB=1 xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" \
        bash "$0" "$@"
fi

program=$1
screenshot=$2

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polls for the mapped window, 20 seconds at most.
info=""
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window showed"
    info=$(xwininfo -name "$caption" 2>/dev/null || true)
    grep -q "Map State: IsViewable" <<<"$info" && break
    sleep 0.1
done
grep -q "Map State: IsViewable" <<<"$info" || fail "no window with the caption \"$caption\""

width=$(awk '/^ *Width:/ {print $2}' <<<"$info")
height=$(awk '/^ *Height:/ {print $2}' <<<"$info")
[ "$width" = 544 ] && [ "$height" = 480 ] || fail "client area is ${width} x ${height}, not 544 x 480"

# A moment for the first paint after mapping, then the picture.
sleep 0.5
import -window root "$screenshot"
echo "window \"$caption\" ${width} x ${height}; screenshot in $screenshot"
