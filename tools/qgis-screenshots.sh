#!/usr/bin/env bash
# Strokewheel - takes the README's pictures of the ring in QGIS (qgis-ring.png, the ring
# over the sample map; qgis-ring-chosen.png, a flick with its region chosen) in a private
# X server, driven as the QGIS tests drive it.
# usage: tools/qgis-screenshots.sh SOURCE_DIR BUILD_DIR OUTPUT_DIR
set -euo pipefail
SOURCE=$1 BUILD=$2
output=$(cd "$3" && pwd)
. "$SOURCE/tests/qgis/helpers.sh"

# First
# the ring while the pointer is still inside it, pointing up; then a quick flick up-left
# whose ring shows with its region already chosen, held for a moment.
start_qgis
start_grabber
key ctrl+shift+f # Zoom Full: the whole sample
sleep 1
right_drag 0 -30
move_pointer 0 -30 0 -12
sleep 0.5
grab_screen "$output/qgis-ring.png"
release
remember_windows
xdotool mousemove $canvas_x $canvas_y mousedown 3 mousemove $((canvas_x - 80)) $((canvas_y - 80))
xdotool mousemove $((canvas_x - 81)) $((canvas_y - 81))
wait_for 5 window_opened || fail "no ring after a flick"
sleep 0.3
grab_screen "$output/qgis-ring-chosen.png"
release
