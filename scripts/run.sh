#!/usr/bin/env bash
# Strokewheel - sets up a machine, builds and starts the stand-in CAD host with the module.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec "${BUILD_DIR:-build}/strokewheel-host" "$@"
