#!/usr/bin/env bash
# Strokewheel - sets up a machine, builds and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd "${BUILD_DIR:-build}"
# The package tests build everything once more inside dpkg-buildpackage: run on purpose
# (ctest -L package, or scripts/package.sh), as CI's QGIS lane does.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -LE package -j"$(nproc)"
