# Strokewheel - mouse gestures for CAD drawing views.
# Builds the Debian package, checks its dependencies and contents, unpacks it and runs a
# gesture script in the unpacked host.
#
#   cmake -DBUILD=<build folder> -DSOURCE=<source folder> -DWORK=<folder> -DSCRIPT=<a.replay>
#         -P PackageDeb.cmake

include(${CMAKE_CURRENT_LIST_DIR}/InstalledTree.cmake)

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND cpack -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${WORK}/package"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB deb "${WORK}/package/*.deb")
if(NOT code EQUAL 0 OR NOT deb)
    message(FATAL_ERROR "cpack failed: ${code}\n${out}${err}")
endif()

execute_process(COMMAND dpkg-deb --field "${deb}" Depends OUTPUT_VARIABLE depends)
message(STATUS "Depends: ${depends}")
foreach(package libqt5widgets5 libqt5svg5 libqt5printsupport5 libc6)
    if(NOT depends MATCHES "${package}")
        message(FATAL_ERROR "the package does not depend on ${package}")
    endif()
endforeach()

execute_process(COMMAND dpkg-deb -x "${deb}" "${WORK}/root" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -x failed: ${code}")
endif()
sw_check_installed_tree("${WORK}/root/usr")

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        "${WORK}/root/usr/bin/strokewheel-host" --replay "${SCRIPT}"
                        --profile "${WORK}/profile" --output "${WORK}/output"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 240)
message(STATUS "replay -> exit ${code}\n--- stdout ---\n${out}--- stderr ---\n${err}")
if(NOT code EQUAL 0 OR err MATCHES "Cannot load")
    message(FATAL_ERROR "the unpacked host did not run the script")
endif()
