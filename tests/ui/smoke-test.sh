#!/bin/bash
# Starts the program under a virtual X server of its own, waits for its window,
# checks its caption, client size and (given the desktop entry) its WM_CLASS, saves
# a screenshot of the screen and ends the program and the server.
# Usage: smoke-test.sh PROGRAM SCREENSHOT [DESKTOP_ENTRY]
# With LAUNCHER set (wine), the program is started through it, with its own platform.
set -euo pipefail

program=$1
screenshot=$2
desktop_entry=${3:-}

# The caption in the language of the environment; CAPTION gives another language's.
caption=${CAPTION:-"Drennik's Plakmund for Kestrix v0.4 | Size: 2mb"}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
server=""
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# The server admits only clients with this cookie. It reads every cookie in its file
# whatever display it is filed under, so the cookie is filed under :0 for it, and
# under the real display for the clients once that is known.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
export XAUTHORITY=$work/Xauthority
touch "$XAUTHORITY"
xauth -q add :0 . "$cookie"

# Xvfb picks a free display number itself and writes it to the pipe once it takes
# connections, so servers started at the same time cannot race for one number.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -screen 0 800x600x24 \
    3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
server=$!
display=""
read -r -t 20 display <"$work/displayfd" || true
if [[ ! $display =~ ^[0-9]+$ ]]; then
    cat "$work/xvfb.log" >&2
    fail "Xvfb reported no display number"
fi
export DISPLAY=:$display
xauth -q add "$DISPLAY" . "$cookie"

if [ -n "${LAUNCHER:-}" ]; then
    # A Wine session that earlier tests started without a display would take the
    # program in, and its windows would go nowhere: it ends first.
    wineserver -w
    "$LAUNCHER" "$program" &
else
    QT_QPA_PLATFORM=xcb "$program" &
fi
pid=$!

# Polls for the mapped window, 60 seconds at most (Wine may start slowly).
info=""
for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window showed"
    info=$(xwininfo -name "$caption" 2>/dev/null || true)
    grep -q "Map State: IsViewable" <<<"$info" && break
    sleep 0.1
done
grep -q "Map State: IsViewable" <<<"$info" || fail "no window with the caption \"$caption\""

width=$(awk '/^ *Width:/ {print $2}' <<<"$info")
height=$(awk '/^ *Height:/ {print $2}' <<<"$info")
[ "$width" = 544 ] && [ "$height" = 480 ] || fail "client area is ${width} x ${height}, not 544 x 480"

# On X11 a desktop matches the window to its entry by the class in WM_CLASS, which
# the entry's StartupWMClass names.
if [ -n "$desktop_entry" ]; then
    window=$(awk '/Window id:/ {print $4}' <<<"$info")
    class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
    expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
    [ -n "$class" ] && [ "$class" = "$expected" ] ||
        fail "WM_CLASS class is \"$class\"; $(basename "$desktop_entry") names \"$expected\""
    echo "WM_CLASS class \"$class\" as $(basename "$desktop_entry") names it"
fi

# A moment for the first paint after mapping, then the picture.
sleep 0.5
import -window root "$screenshot"
echo "window \"$caption\" ${width} x ${height} on display $DISPLAY; screenshot in $screenshot"
