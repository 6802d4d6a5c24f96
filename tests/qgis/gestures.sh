#!/usr/bin/env bash
# Strokewheel - gestures in a real QGIS under a private X server with real input.
# usage: gestures.sh SOURCE_DIR BUILD_DIR CASE
SOURCE=$1 BUILD=$2
. "$SOURCE/tests/qgis/helpers.sh"

# expect_extent NAME EXPECTED: the saved canvas extent is EXPECTED.
expect_extent() {
    save_project
    same_extent "$2" "$(extent)" || fail "the canvas extent is $(extent), expected the $1 extent $2"
}

case $3 in
zoom_full)
    start_qgis
    zoomed=$(extent)
    say "right-drag up 120 px from the canvas centre: Zoom Full"
    right_drag 0 -120
    release
    expect_extent "sample's full" "$(layer_extent "$SOURCE"/qgis/sample/*.geojson)"
    same_extent "$zoomed" "$(extent)" && fail "the extent did not change from the zoomed-in $zoomed"
    ;;
cancel_inside)
    start_qgis
    zoomed=$(extent)
    remember_windows
    say "right-drag up 30 px, then release inside the ring: nothing runs"
    right_drag 0 -30
    wait_for 5 window_opened || fail "no ring was shown after a 30 px drag"
    release
    windows_closed || fail "a window stayed open after the release: $(new_windows)"
    expect_extent "zoomed-in" "$zoomed"
    ;;
right_click_in_pan)
    # QGIS goes back from Pan Map to the tool before it on a right release of its own.
    SW_TOOLS="mActionAddFeature mActionPan" start_observed
    remember_windows
    say "Add Feature, Pan Map, a short right click: the context menu opens at the pointer"
    xdotool mousemove $canvas_x $canvas_y click 3
    wait_for 5 window_opened || fail "no context menu opened on a right click"
    new_windows | grep -q "+$canvas_x+$canvas_y\$" || fail "the new window is not at the pointer: $(new_windows)"
    xdotool key Escape
    wait_for 5 windows_closed || fail "Escape did not close the menu: $(new_windows)"
    sleep 0.5
    expect_tool mActionPan
    ;;
gesture_keeps_map_tool)
    SW_TOOLS="mActionAddFeature mActionPan" start_observed
    remember_windows
    say "Add Feature, Pan Map, a gesture: Pan Map stays, no menu opens"
    right_drag 0 -120
    release
    expect_tool mActionPan
    windows_closed || fail "a window opened on the gesture: $(new_windows)"
    [ -z "${4:-}" ] || { start_grabber; grab_screen "$4/qgis-pan-after-gesture.png"; }
    ;;
gestures_off)
    printf '[Strokewheel]\nEnableMouseGesture=0\n' >"$work/settings.ini"
    SW_TOOLS="mActionAddFeature mActionPan" start_observed --settings "$work/settings.ini"
    remember_windows
    say "gestures switched off: the context menu opens on the press, as without the plugin"
    xdotool mousemove $canvas_x $canvas_y mousedown 3
    wait_for 5 window_opened || fail "no context menu while the right button is held"
    xdotool mouseup 3 key Escape
    wait_for 5 windows_closed || fail "Escape did not close the menu: $(new_windows)"
    expect_tool mActionPan
    ;;
quick_flicks)
    SW_COUNTED="mActionAddFeature mActionZoomFullExtent" start_observed
    say "20 pairs of flicks, right (Add Feature) and up (Zoom Full): each flick's events in one go, 50 ms between flicks"
    flick="mousemove $canvas_x $canvas_y mousedown 3"
    pair="$flick mousemove $((canvas_x + 30)) $canvas_y mousemove $((canvas_x + 150)) $canvas_y mouseup 3 sleep 0.05"
    pair="$pair $flick mousemove $canvas_x $((canvas_y - 30)) mousemove $canvas_x $((canvas_y - 150)) mouseup 3 sleep 0.05"
    # shellcheck disable=SC2046
    xdotool $(for _ in $(seq 20); do echo "$pair"; done)
    ran() { [ "$(observed triggered | wc -l)" -ge 40 ]; }
    wait_for 20 ran
    expected=$(for _ in $(seq 20); do printf 'mActionAddFeature\nmActionZoomFullExtent\n'; done)
    [ "$(observed triggered)" = "$expected" ] \
        || fail "$(observed triggered | wc -l) of 40 ran, or out of order: $(observed triggered | tr '\n' ' ')"
    ;;
german)
    printf '[locale]\noverrideFlag=true\nuserLocale=de\nglobalLocale=en_US\n' >"$work/settings.ini"
    start_observed --settings "$work/settings.ini"
    [ "$(observed menu-entry)" = "Mausgesten..." ] || fail "the Plugins menu entry is '$(observed menu-entry)'"
    dialog_title=Mausgesten plugins_key=alt+w
    open_dialog
    [ -z "${4:-}" ] || { start_grabber; grab_screen "$4/qgis-german-dialog.png"; }
    say "Hilfe: the help page in German too, though numbers and dates are English"
    eval "$(xdotool getwindowgeometry --shell "$(dialog_window)")"
    # "Hilfe", the last button, bottom right.
    xdotool mousemove --window "$(dialog_window)" $((WIDTH - 50)) $((HEIGHT - 34)) click 1
    german_help() { [ "$(xdotool search --onlyvisible --name '^Mausgesten$' 2>/dev/null | wc -l)" -eq 2 ]; }
    wait_for 10 german_help || fail "no German help page beside the dialog; windows: $(xdotool search --onlyvisible --name 'Maus|Mouse' getwindowname %@ 2>/dev/null | tr '\n' ',')"
    xdotool key ctrl+w
    wait_for 5 eval '! german_help' || fail "Ctrl+W left the help window open"
    xdotool windowfocus "$(dialog_window)" key Escape
    wait_for 5 has_no_dialog || fail "Escape did not close the dialog"
    ;;
plugin_off_keeps_region)
    # Offline Editing's "Synchronize" on the up region, the plugin loaded at first.
    printf '[Plugins]\nlibofflineeditingplugin=true\n[Strokewheel]\n81=mActionSynchronize\n' >"$work/settings.ini"
    start_observed --profile "$work/profiles" --settings "$work/settings.ini"
    say "a ring shown with the plugin on, then QGIS without it"
    right_drag 0 -30
    release
    stop_qgis
    ini=$work/profiles/profiles/default/QGIS/QGIS3.ini
    sed -i 's/^libofflineeditingplugin=true/libofflineeditingplugin=false/' "$ini"
    start_observed --profile "$work/profiles"
    say "right-drag up: the region still holds Synchronize, which says it cannot run"
    right_drag 0 -120
    release
    wait_for 5 grep -qx "Mouse Gestures: Synchronize is not available now." "$observed/messages" \
        || fail "the message bar said: $(observed messages)"
    stop_qgis
    grep -qx '81=mActionSynchronize' "$ini" || fail "the region lost Synchronize: $(cat "$ini")"
    ;;
assignment_survives_restart)
    start_qgis --profile "$work/profiles"
    say "Plugins > Mouse Gestures...: Zoom to Layer(s) goes on the up region, OK"
    open_dialog
    assign_region "Zoom to Layer" 1
    wait_for 5 has_no_dialog || fail "the dialog did not close on OK"
    stop_qgis
    ini=$work/profiles/profiles/default/QGIS/QGIS3.ini
    sed -n '/^\[Strokewheel\]/,/^\[/p' "$ini" | grep -qx '81=mActionZoomToLayers' \
        || fail "QGIS3.ini has no 81=mActionZoomToLayers under [Strokewheel]: $(cat "$ini")"
    say "restart on the same profile; right-drag up zooms to the current layer (paths) now"
    start_qgis --profile "$work/profiles"
    right_drag 0 -120
    release
    expect_extent "paths layer's" "$(layer_extent "$SOURCE/qgis/sample/paths.geojson")"
    ;;
*)
    echo "unknown case $3" >&2
    exit 2
    ;;
esac
say "passed"
