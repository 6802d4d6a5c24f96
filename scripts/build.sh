#!/usr/bin/env bash
# Strokewheel - configures and builds. BUILD_DIR (default build) and SANITIZE (ON/OFF)
# choose the build; extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -G Ninja -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE="${SANITIZE:-OFF}" "$@"
cmake --build "$build_dir" -j"$(nproc)"
