#!/usr/bin/env bash
# The Wine test bed: every Windows test program runs through this script.
#
#   testbed.sh up   STATE_DIR          make the prefix (once), start Xvfb and a
#                                      persistent wineserver, record their PIDs
#   testbed.sh run  STATE_DIR PROG ... run a Windows program, pass its exit code
#                                      back; starts and stops its own bed when
#                                      no bed is up
#   testbed.sh down STATE_DIR          stop what `up` started, by PID
#   testbed.sh prefix STATE_DIR        only make the prefix (for a program
#                                      shown on the user's own display)
#
# The prefix lives in STATE_DIR/prefix; the script never touches another
# prefix or display.
set -u

cmd=${1:?usage: testbed.sh up|run|down STATE_DIR [PROGRAM ARGS...]}
state=${2:?state directory missing}
shift 2
mkdir -p "$state"
state=$(cd "$state" && pwd)

export WINEPREFIX="$state/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# A Western locale: the tests show that Cyrillic texts survive an ANSI code
# page other than 1251.
export LC_ALL=C.UTF-8 LANG=C.UTF-8

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine)
wineserver=$(command -v wineserver)

make_prefix() {
    # One prefix creation at a time, even when tests start in parallel.
    exec 9>"$state/prefix.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.ready-4" ]; then
        rm -rf "$WINEPREFIX"
        "$wine" wineboot -i >/dev/null 2>&1
        # Xvfb has no window manager: Wine's own window management spares
        # each closing dialog a two-second wait for one.
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        # Tooltips and information boxes in the colour Windows gives them.
        "$wine" reg add 'HKCU\Control Panel\Colors' /v InfoWindow /d '255 255 225' /f >/dev/null 2>&1
        # Wine's own TrueType fonts (Tahoma, Marlett for the caption buttons)
        # where the prefix's font loader looks for them.
        cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        "$wineserver" -w
        touch "$WINEPREFIX/.ready-4"
    fi
    flock -u 9
}

start_bed() {
    make_prefix
    # Xvfb picks a free display itself and tells us its number.
    local fifo="$state/displayfd"
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    echo $! >"$state/xvfb.pid"
    local display
    read -r display <"$fifo"
    rm -f "$fifo"
    echo ":$display" >"$state/display"
    export DISPLAY=":$display"
    "$wineserver" -f -p >/dev/null 2>&1 &
    echo $! >"$state/wineserver.pid"
    # The first process pays for the server's start; let it do so now.
    "$wine" cmd /c exit 0 >/dev/null 2>&1 || true
}

stop_pid() {
    local file=$1
    [ -f "$file" ] || return 0
    local pid
    pid=$(cat "$file")
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$file"
}

stop_bed() {
    # Ending the prefix's server ends the Wine processes of this prefix only.
    if [ -f "$state/wineserver.pid" ] && kill -0 "$(cat "$state/wineserver.pid")" 2>/dev/null; then
        "$wineserver" -k 2>/dev/null || true
    fi
    stop_pid "$state/wineserver.pid"
    stop_pid "$state/xvfb.pid"
    rm -f "$state/display"
}

bed_is_up() {
    [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null &&
        [ -f "$state/wineserver.pid" ] && kill -0 "$(cat "$state/wineserver.pid")" 2>/dev/null
}

case $cmd in
up)
    bed_is_up || { stop_bed; start_bed; }
    echo "test bed up: prefix $WINEPREFIX, display $(cat "$state/display")"
    ;;
down)
    stop_bed
    ;;
prefix)
    make_prefix
    ;;
run)
    own=0
    if ! bed_is_up; then
        stop_bed
        start_bed
        own=1
    fi
    export DISPLAY
    DISPLAY=$(cat "$state/display")
    "$wine" "$@"
    rc=$?
    [ $own = 1 ] && stop_bed
    exit $rc
    ;;
*)
    echo "unknown command $cmd" >&2
    exit 2
    ;;
esac
