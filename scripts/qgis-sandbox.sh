#!/usr/bin/env bash
# Strokewheel - starts QGIS with the gesture plugin on the bundled sample project, in a
# throw-away profile that has the plugin enabled and QGIS's start-up chatter switched off.
set -euo pipefail
usage="usage: scripts/qgis-sandbox.sh [--keep] [--profile DIR] [--work DIR] [--settings FILE] [BUILD_DIR] [-- QGIS ARGUMENTS]
  BUILD_DIR      build folder holding qgis-plugin/ (default build), or a folder holding
                 the plugin itself, such as an installed package's
  --keep         keep the temporary folder (profile and sample copy) and print where it is
  --profile DIR  use the QGIS profiles folder DIR, set up when new; never deleted
  --work DIR     copy the sample into DIR (and keep the profile there without --profile); never deleted
  --settings FILE  INI lines added to a new profile's settings (a language, the plugin's)"
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=build keep=0 profiles="" work="" settings="" cleanup=0
while [ $# -gt 0 ]; do
    case "$1" in
        --keep) keep=1 ;;
        --profile) profiles=${2:?$usage}; shift ;;
        --work) work=${2:?$usage}; shift ;;
        --settings) settings=${2:?$usage}; shift ;;
        --help|-h) echo "$usage"; exit 0 ;;
        --) shift; break ;;
        -*) echo "$usage" >&2; exit 2 ;;
        *) build=$1 ;;
    esac
    shift
done

plugin_dir=$(cd "$build" 2>/dev/null && pwd)
[ -f "$plugin_dir/libstrokewheelplugin.so" ] || plugin_dir=$plugin_dir/qgis-plugin
if [ ! -f "$plugin_dir/libstrokewheelplugin.so" ]; then
    echo "No QGIS plugin in $build/qgis-plugin: install QGIS (WITH_QGIS=1 scripts/setup.sh) and build again." >&2
    exit 1
fi

if [ -z "$work" ]; then
    work=$(mktemp -d "${TMPDIR:-/tmp}/strokewheel-qgis.XXXXXX")
    if [ "$keep" = 1 ]; then
        echo "Profile and sample in $work"
    else
        cleanup=1
        trap 'rm -rf "$work"' EXIT
    fi
fi
mkdir -p "$work"
profiles=${profiles:-$work/profiles}
cp "$source_dir"/qgis/sample/*.geojson "$source_dir"/qgis/sample/sample.qgs "$work/"

# QGIS reads <profiles>/profiles/default/QGIS/QGIS3.ini; a profile it has used already keeps
# what it holds, so that settings survive a restart. QGIS's Python plugins stay off for a
# quicker start; they can be ticked in the Plugin Manager.
ini=$profiles/profiles/default/QGIS/QGIS3.ini
if [ ! -f "$ini" ]; then
    mkdir -p "$(dirname "$ini")"
    cat >"$ini" <<EOF
[Plugins]
libstrokewheelplugin=true

[plugins]
searchPathsForPlugins=$plugin_dir

[PythonPlugins]
GdalTools=false
MetaSearch=false
db_manager=false
grassprovider=false
processing=false
sagaprovider=false

[app]
askToSaveMemoryLayers=false
plugin_installer\\checkOnStart=false

[core]
NewsFeed\\httpsfeedqgisorg\\disabled=true

[qgis]
askToSaveProjectChanges=false
checkVersion=false
allowVersionCheck=false
EOF
    [ -z "$settings" ] || cat "$settings" >>"$ini"
fi

# Under a temporary folder QGIS takes the sample's layers for scratch layers; its temporary
# folder moves into the work folder so that they count as files again.
mkdir -p "$work/tmp"
export TMPDIR=$work/tmp
command=(qgis --profiles-path "$profiles" --nologo --noversioncheck "$@" "$work/sample.qgs")
if [ "$cleanup" = 0 ]; then
    exec "${command[@]}"
fi
"${command[@]}"
