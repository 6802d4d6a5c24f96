#!/usr/bin/env bash
# Strokewheel - installs the Debian packages the build, the tests and the host need,
# when they are missing; with WITH_QGIS=1 also QGIS, for the QGIS plugin and its tests;
# with WITH_PACKAGING=1 what makes and checks the Debian packages.
# Runs as root, or through sudo when there is one.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config      # the toolchain
    qtbase5-dev libqt5svg5-dev                         # Qt Core, Gui, Widgets, PrintSupport, Test; Svg
    qttools5-dev qttools5-dev-tools                    # LinguistTools: lupdate, lrelease
    binutils                                           # nm: the module's exports are checked
    fonts-wine fonts-dejavu-core                       # Tahoma metrics for the overlay's labels
    poppler-utils                                      # pdftotext: the printed list is read back
    xvfb xauth xdotool                                 # a real X server for the display tests
    openbox                                            # a window manager without a compositor, for them
    libqt5x11extras5-dev                               # the overlay asks whether a compositor runs
    libxcb1-dev                                        # and reads the screen beneath it without one
    qtbase5-private-dev                                # replay input through Qt's window-system queue
    ccache                                             # cheap rebuilds in fresh build folders
    qttranslations5-l10n                               # Qt's own texts (dialog buttons) for --lang
    dpkg-dev                                           # dpkg-shlibdeps: the package's dependencies
    libxtst-dev                                        # XTest: the ring-latency benchmark moves the pointer
)
if [ "${WITH_QGIS:-0}" = 1 ]; then
    packages+=(
        qgis                                           # the application the plugin runs in
        libqgis-dev                                    # its headers and libraries: the plugin builds on
        x11-utils                                      # xwininfo: the tests find QGIS's popup windows
    )
fi
if [ "${WITH_PACKAGING:-0}" = 1 ]; then
    packages+=(
        debhelper                                      # dpkg-buildpackage: the Debian packages
        lintian                                        # their checks
    )
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
