#!/bin/sh
# Strokewheel - mouse gestures for CAD drawing views.
# Runs a command in a virtual X server, with real windows; exits 77 (skipped) when the
# X server or xdotool is not installed.
for tool in xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed" >&2
        exit 77
    fi
done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -ac" "$@"
