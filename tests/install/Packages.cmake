# Strokewheel - mouse gestures for CAD drawing views.
# Makes the Debian packages with scripts/package.sh (lintian: no error, no warning), checks
# their dependencies, unpacks them into a throw-away root and runs a gesture script in the
# host from there; the QGIS plugin must sit in QGIS's plugin folder with its support folder.
#
#   cmake -DBUILD=<build folder> -DSOURCE=<source folder> -DWORK=<folder> -DSCRIPT=<a.replay>
#         -P Packages.cmake

include(${CMAKE_CURRENT_LIST_DIR}/InstalledTree.cmake)

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_OPTIONS=nocheck OUT=${WORK}/packages
                        "${SOURCE}/scripts/package.sh"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCH "[^\n]*\n[^\n]*\n[^\n]*$" tail "${out}")
string(REGEX MATCHALL "[EWIP]: [^\n]*\n" lint "${out}")
list(JOIN lint "" lint)
message(STATUS "scripts/package.sh -> exit ${code}\n${lint}${tail}")
if(NOT code EQUAL 0)
    message(FATAL_ERROR "making or checking the packages failed:\n${err}")
endif()

# name -> the package file, its Depends field, unpacked into the one root.
foreach(package strokewheel qgis-plugin-strokewheel)
    file(GLOB deb "${WORK}/packages/${package}_*.deb")
    if(NOT deb)
        message(FATAL_ERROR "no package ${package} in ${WORK}/packages")
    endif()
    execute_process(COMMAND dpkg-deb --field "${deb}" Depends OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE)
    message(STATUS "${package} Depends: ${depends}")
    string(REGEX REPLACE " *\\([^)]*\\)" "" names "${depends}")
    string(REPLACE ", " ";" names "${names}")
    set(unique ${names})
    list(REMOVE_DUPLICATES unique)
    # The QGIS pin names qgis twice: a lower and an upper bound.
    list(REMOVE_ITEM names qgis)
    list(REMOVE_ITEM unique qgis)
    if(NOT names STREQUAL unique)
        message(FATAL_ERROR "${package} names a dependency twice: ${depends}")
    endif()
    set(${package}_depends "${depends}")
    execute_process(COMMAND dpkg-deb -x "${deb}" "${WORK}/root" RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "dpkg-deb -x ${deb} failed: ${code}")
    endif()
endforeach()
foreach(package libqt5widgets5 libqt5svg5 libqt5printsupport5 libc6)
    if(NOT strokewheel_depends MATCHES "${package}")
        message(FATAL_ERROR "strokewheel does not depend on ${package}")
    endif()
endforeach()
# The SVG icon engine is loaded as a plugin, not linked.
if(NOT qgis-plugin-strokewheel_depends MATCHES "libqt5svg5")
    message(FATAL_ERROR "qgis-plugin-strokewheel does not depend on libqt5svg5")
endif()
execute_process(COMMAND dpkg-query -W -f=\${Version} libqgis-dev OUTPUT_VARIABLE qgis_version)
string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" qgis_version "${qgis_version}")
if(NOT qgis-plugin-strokewheel_depends MATCHES "qgis \\(>= ${qgis_version}\\), qgis \\(<< [0-9.]+~\\)"
   OR NOT qgis-plugin-strokewheel_depends MATCHES "libqgis-gui${qgis_version}")
    message(FATAL_ERROR "qgis-plugin-strokewheel does not pin QGIS ${qgis_version}")
endif()

# Nothing in either package names the sources or a build folder: the packages' own
# sources and build folder are under BUILD.
set(root "${WORK}/root")
sw_check_installed_tree("${root}/usr")
foreach(file share/man/man1/strokewheel-host.1.gz share/doc/strokewheel/copyright
             share/doc/qgis-plugin-strokewheel/copyright
             lib/qgis/plugins/libstrokewheelplugin.so lib/qgis/plugins/strokewheel/libfxsdk.so
             lib/qgis/plugins/strokewheel/Strokewheel_4.03_15.tx
             lib/qgis/plugins/strokewheel/translations/strokewheel_de.qm)
    if(NOT EXISTS "${root}/usr/${file}")
        message(FATAL_ERROR "not in the packages: /usr/${file}")
    endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        "${root}/usr/bin/strokewheel-host" --replay "${SCRIPT}"
                        --profile "${WORK}/profile" --output "${WORK}/output"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 240)
message(STATUS "replay -> exit ${code}\n--- stdout ---\n${out}--- stderr ---\n${err}")
if(NOT code EQUAL 0 OR err MATCHES "Cannot load")
    message(FATAL_ERROR "the unpacked host did not run the script")
endif()
