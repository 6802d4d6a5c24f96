#!/usr/bin/env bash
# Strokewheel - makes the Debian packages strokewheel (the host with the module file) and
# qgis-plugin-strokewheel (the QGIS plugin) with dpkg-buildpackage, from a copy of the
# sources, and checks them with lintian: any error or warning fails.
# OUT (default build-packages) receives the .deb files; DEB_BUILD_OPTIONS=nocheck skips the
# suite inside the package build.
set -euo pipefail
cd "$(dirname "$0")/.."
WITH_QGIS=1 WITH_PACKAGING=1 scripts/setup.sh
out=$(mkdir -p "${OUT:-build-packages}" && cd "${OUT:-build-packages}" && pwd)
version=$(dpkg-parsechangelog -S Version)
source=$out/source/strokewheel-$version

# The checkout's files (tracked and new, not its build folders), so that a build folder
# inside it is not copied and the checkout stays clean.
rm -rf "$out/source" "$out"/*.deb
mkdir -p "$source"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard | tar --null -T - --ignore-failed-read -cf - | tar -xf - -C "$source"
else
    tar --exclude='./build*' --exclude=./debian/build -cf - . | tar -xf - -C "$source"
fi

(cd "$source" && dpkg-buildpackage -b -us -uc)
mv "$out"/source/*.deb "$out"/
rm -rf "$out/source"
lintian --fail-on error,warning --display-info --pedantic "$out"/*.deb
echo "Packages in $out:"
ls -1 "$out"/*.deb
