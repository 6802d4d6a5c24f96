#!/bin/sh
# Strokewheel - mouse gestures for CAD drawing views.
# Runs a command in a virtual X server, with real windows; with --window-manager, under
# openbox (a window manager without a compositor). Exits 77 (skipped) when a tool is missing.
tools="xvfb-run xdotool"
if [ "$1" = "--window-manager" ]; then
    shift
    tools="$tools openbox"
    set -- sh -c 'openbox >/dev/null 2>&1 & manager=$!; sleep 1; "$@"; status=$?; kill $manager; exit $status' sh "$@"
fi
for tool in $tools; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed" >&2
        exit 77
    fi
done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -ac" "$@"
