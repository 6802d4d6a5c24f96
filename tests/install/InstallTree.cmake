# Strokewheel - mouse gestures for CAD drawing views.
# Installs the build into a temporary prefix, moves the tree, and runs the bundled demo from
# there for a user whose configuration and data folders already hold files of their own.
#
#   cmake -DBUILD=<build folder> -DSOURCE=<source folder> -DWORK=<folder> -P InstallTree.cmake

include(${CMAKE_CURRENT_LIST_DIR}/InstalledTree.cmake)

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${WORK}/staged"
                RESULT_VARIABLE code OUTPUT_QUIET)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${code}")
endif()
# Where it was installed is not where it runs.
file(RENAME "${WORK}/staged" "${WORK}/moved")
sw_check_installed_tree("${WORK}/moved")

# The user's own files, beside and inside the folders the demo writes to.
set(home "${WORK}/home")
set(config "${home}/.config/Strokewheel/strokewheel-host")
set(data "${home}/.local/share/Strokewheel/strokewheel-host")
file(WRITE "${config}/settings.ini" "[Strokewheel]\nActiveScheme=4\n")
file(WRITE "${data}/notes.txt" "mine\n")
file(WRITE "${data}/demo/notes.txt" "mine\n")

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME --unset=XDG_DATA_HOME
                        --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                        HOME=${home} "${WORK}/moved/bin/strokewheel-host"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 240)
message(STATUS "demo -> exit ${code}\n--- stdout ---\n${out}--- stderr ---\n${err}")
if(NOT code EQUAL 0 OR NOT out MATCHES "executed: .C.C_CIRCLE")
    message(FATAL_ERROR "the installed demo did not run")
endif()
if(err MATCHES "Cannot load")
    message(FATAL_ERROR "the installed host misses a file of its own")
endif()
foreach(name gesture-list.pdf dialog.png)
    if(NOT EXISTS "${data}/demo/${name}")
        message(FATAL_ERROR "the demo wrote no ${data}/demo/${name}")
    endif()
endforeach()
file(READ "${config}/settings.ini" settings)
if(NOT settings STREQUAL "[Strokewheel]\nActiveScheme=4\n")
    message(FATAL_ERROR "the demo changed the user's settings: ${settings}")
endif()
foreach(file "${data}/notes.txt" "${data}/demo/notes.txt")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "the demo removed the user's ${file}")
    endif()
endforeach()
