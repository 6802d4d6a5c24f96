# Strokewheel - shared steps of the QGIS tests, sourced by them: a private X server, QGIS on
# the sample project with the plugin through scripts/qgis-sandbox.sh, real input from
# xdotool, and the canvas extent QGIS saves. Needs SOURCE and BUILD; everything started here
# is stopped on exit.
set -eu
work=$(mktemp -d /tmp/qgisrun.XXXX)
xvfb_pid="" qgis_pid=""

say() { echo "-- $*"; }
fail() {
    echo "FAILED: $*" >&2
    kill -0 "$xvfb_pid" 2>/dev/null || echo "   the X server has stopped: $(cat "$work/xvfb.log")" >&2
    [ -s "$work/qgis.log" ] && sed 's/^/   qgis: /' "$work/qgis.log" | tail -20 >&2
    exit 1
}
cleanup() {
    for pid in $qgis_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
    for pid in $qgis_pid $xvfb_pid; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

for tool in Xvfb xdotool xwininfo qgis; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed" >&2; exit 77; }
done

# wait_for SECONDS COMMAND...: polls until the command succeeds; fails after SECONDS.
wait_for() {
    local deadline=$(($(date +%s) + $1)); shift
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The X server picks a free display itself and writes its number to a pipe.
mkfifo "$work/display"
# -noreset: the server resets whenever its last client leaves (each xdotool call is one), and a
# client that connects during the reset fails now and then.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 display <"$work/display" || fail "the X server did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

main_window() { xdotool search --onlyvisible --name '^sample — QGIS$' 2>/dev/null | head -1; }
has_main_window() { [ -n "$(main_window)" ]; }
# The top-level windows on screen, one "WxH+X+Y" per line.
windows() {
    local id
    for id in $(xdotool search --onlyvisible --maxdepth 1 --name ''); do
        xwininfo -id "$id" | awk '/upper-left X/ {x = $NF} /upper-left Y/ {y = $NF} /Width/ {w = $NF}
                                 /Height/ {h = $NF} END {print w "x" h "+" x "+" y}'
    done | sort
}
new_windows() { windows | comm -13 "$work/windows.before" -; }
remember_windows() { windows >"$work/windows.before"; }
window_opened() { [ -n "$(new_windows)" ]; }
windows_closed() { [ -z "$(new_windows)" ]; }

# start_qgis [SANDBOX OPTIONS]: QGIS on a fresh copy of the sample, its main window filling
# the screen once the project is loaded (its name is in the title then).
start_qgis() {
    "$SOURCE/scripts/qgis-sandbox.sh" --work "$work/run" "$BUILD" "$@" >"$work/qgis.log" 2>&1 &
    qgis_pid=$!
    wait_for 60 has_main_window || fail "QGIS showed no window titled 'sample — QGIS' within 60 s"
    local window; window=$(main_window)
    xdotool windowmove "$window" 0 0 windowsize "$window" 1280 1024
    wait_for 10 sh -c "xwininfo -id $window | grep -q 'Width: 1280'" || fail "QGIS's window kept its size"
    sleep 1 # the canvas renders the resized view
    say "QGIS is up on display $DISPLAY"
}
# start_observed [SANDBOX OPTIONS]: start_qgis with tests/qgis/observer.py run by QGIS, which
# writes the active map tool, the message bar's texts and the plugin's menu entry under
# $observed; SW_TOOLS chooses map tools first.
observed=$work/observed
start_observed() {
    rm -rf "$observed" && mkdir -p "$observed"
    SW_OBSERVE=$observed start_qgis "$@" -- --code "$SOURCE/tests/qgis/observer.py"
    wait_for 20 test -f "$observed/ready" || fail "QGIS did not run tests/qgis/observer.py"
}
observed() { cat "$observed/$1" 2>/dev/null; }
# expect_tool ACTION: the active map tool is the one of ACTION.
expect_tool() { [ "$(observed tool)" = "$1" ] || fail "the active map tool is $(observed tool), expected $1"; }
# key KEYS...: keys to QGIS's main window.
key() { xdotool windowfocus "$(main_window)" key "$@"; }
# stop_qgis: quits through the menu shortcut, as a user does, and waits for the process.
stop_qgis() {
    key ctrl+q
    wait_for 20 sh -c "! kill -0 $qgis_pid 2>/dev/null" || fail "QGIS did not quit on Ctrl+Q"
    # The plugin unloads the module on the way out: a crash there shows only in the status.
    local status=0
    wait "$qgis_pid" || status=$?
    qgis_pid=""
    [ "$status" = 0 ] || fail "QGIS exited with status $status on quitting"
}

# The canvas takes the right part of the window below the toolbars; its centre region is
# clear of panels at this window size.
canvas_x=800 canvas_y=560

# move_pointer FROM_DX FROM_DY TO_DX TO_DY: 5 px steps between two points given relative to
# the canvas point, as a hand moves.
move_pointer() {
    local dx=$(($3 - $1)) dy=$(($4 - $2)) steps i
    steps=$(( (${dx#-} > ${dy#-} ? ${dx#-} : ${dy#-}) / 5 ))
    for i in $(seq 1 "$steps"); do
        xdotool mousemove $((canvas_x + $1 + dx * i / steps)) $((canvas_y + $2 + dy * i / steps))
        sleep 0.02
    done
}
right_drag() { xdotool mousemove $canvas_x $canvas_y mousedown 3; move_pointer 0 0 "$1" "$2"; }
release() { xdotool mouseup 3; sleep 0.5; }

project_stamp() { stat -c %Y.%s "$work/run/sample.qgs"; }
# wait_saved STAMP: waits until the project file is written again after project_stamp gave STAMP.
wait_saved() { wait_for 10 sh -c "[ \"\$(stat -c %Y.%s '$work/run/sample.qgs')\" != '$1' ]"; }
# save_project: Ctrl+S, and the file is written.
save_project() {
    local before; before=$(project_stamp)
    sleep 1 # the file time has whole seconds
    key ctrl+s
    wait_saved "$before" || fail "Ctrl+S did not save the project; windows on screen: $(windows | tr '\n' ' ')"
}
# start_grabber, then grab_screen FILE: a screen grabber that is already running, fast
# enough for a ring that shows for a quarter of a second.
start_grabber() {
    mkfifo "$work/grab"
    /usr/bin/python3 -c 'import sys; from qgis.PyQt.QtWidgets import QApplication
app = QApplication([])
for name in open(sys.argv[1]):
    print(app.primaryScreen().grabWindow(0).save(name.strip()) and name.strip(), flush=True)' \
        "$work/grab" >"$work/grabbed" 2>/dev/null &
    exec 4>"$work/grab"
}
grabbed() { grep -qx "$1" "$work/grabbed"; }
grab_screen() {
    echo "$1" >&4
    wait_for 10 grabbed "$1" || fail "cannot grab the screen into $1"
    say "wrote $1"
}

# extent: the canvas extent in the saved project, "xmin ymin xmax ymax".
extent() {
    sed -n '/<mapcanvas/,/<\/extent>/s/.*<[xy]m[ai][nx]>\(.*\)<.*/\1/p' "$work/run/sample.qgs" | tr '\n' ' '
}
# layer_extent GEOJSON...: the extent QGIS zooms to for these layers (all vertices, 5 % margin).
layer_extent() {
    cat "$@" | grep -o '\[-\?[0-9.]*,-\?[0-9.]*\]' | tr -d '[]' | awk -F, '
        NR == 1 {x0 = x1 = $1; y0 = y1 = $2}
        {if ($1 < x0) x0 = $1; if ($1 > x1) x1 = $1; if ($2 < y0) y0 = $2; if ($2 > y1) y1 = $2}
        END {w = (x1 - x0) * 0.025; h = (y1 - y0) * 0.025; printf "%f %f %f %f", x0 - w, y0 - h, x1 + w, y1 + h}'
}
# same_extent A B: equal within 1 % of A's size.
same_extent() {
    echo "$1 $2" | awk '{t = ($3 - $1) / 100; u = ($4 - $2) / 100
        exit !(($1-$5)^2 < t^2 && ($3-$7)^2 < t^2 && ($2-$6)^2 < u^2 && ($4-$8)^2 < u^2)}'
}

# The dialog's title and the Plugins menu's key, in QGIS's language.
dialog_title="Mouse Gestures" plugins_key=alt+p
dialog_window() { xdotool search --onlyvisible --name "^$dialog_title\$" 2>/dev/null | head -1; }
has_dialog() { [ -n "$(dialog_window)" ]; }
has_no_dialog() { [ -z "$(dialog_window)" ]; }
# open_dialog: Plugins menu, up to its last entry, Mouse Gestures..., Return.
open_dialog() {
    key $plugins_key Up Return
    wait_for 10 has_dialog || fail "Plugins > Mouse Gestures... opened no dialog titled '$dialog_title'"
}
# assign_region SEARCH_TEXT DOWN_PRESSES: types the search text, opens the region editor of
# the first row found and moves down its list (None, then the regions from 1), then OK. The
# points are the dialog's layout: search field and first row from the top left, OK from the
# bottom left.
assign_region() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$(dialog_window)")"
    xdotool mousemove $((X + 155)) $((Y + 111)) click 1 type "$1"
    sleep 0.3
    xdotool mousemove $((X + 400)) $((Y + 199)) click 1
    sleep 0.3
    xdotool key --repeat "$2" Down
    sleep 0.3
    xdotool mousemove $((X + 238)) $((Y + HEIGHT - 24)) click 1
}
