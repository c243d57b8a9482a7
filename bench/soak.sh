#!/bin/bash
# Runs the soak through the file dialogs under a virtual X server of its own:
# the window and the stock dialog, each without an AT-SPI client and with one
# that reads every dialog as a screen reader does. Fails when any run does.
# Usage: soak.sh BUILD_FOLDER [rounds]
set -uo pipefail

build=$1
rounds=${2:-12}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
server=""
cleanup() {
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# As tests/ui/smoke-test.sh does: the server admits only clients with this cookie,
# filed under :0 for the server and under the real display for the clients, and
# picks a free display number itself, so servers started at once cannot race.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
export XAUTHORITY=$work/Xauthority
touch "$XAUTHORITY"
xauth -q add :0 . "$cookie"
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -screen 0 1280x1024x24 \
    3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
server=$!
display=""
read -r -t 20 display <"$work/displayfd" || true
if [[ ! $display =~ ^[0-9]+$ ]]; then
    cat "$work/xvfb.log" >&2
    echo "FAIL: Xvfb reported no display number" >&2
    exit 1
fi
export DISPLAY=:$display
xauth -q add "$DISPLAY" . "$cookie"

# On X11 Qt shows its own widget-based file dialog, as on a desktop without a native one.
export QT_QPA_PLATFORM=xcb
status=0
for program in soak_dialogs soak_stock_dialog; do
    echo "== $program, no AT-SPI client"
    "$build/bench/$program" "$rounds" || status=1
    # A session bus of its own, which starts the accessibility bus when Qt asks for
    # it; Qt's bridge is on from the start, and the client reads over that bus. The
    # bridge warns of every object that went away before the client read it.
    echo "== $program, read by an AT-SPI client"
    # Left out of its output: the session bus's notes as it starts the services, and
    # Qt's note of each key event the registry did not pass on within Qt's 100 ms.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES="qt.accessibility.atspi.warning=false" \
        dbus-run-session -- "$build/bench/$program" "$rounds" "$here/atspi_reader.py" \
        2> >(grep -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon' -e '^QSpiApplication::keyEventError' >&2) || status=1
done
exit $status
