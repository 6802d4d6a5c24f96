# Strokewheel - mouse gestures for CAD drawing views.
# sw_check_installed_tree(<root>): the files an installed tree needs are there, and none of
# them names the folders it was built from (SOURCE and BUILD). A sanitizer build (SANITIZE)
# keeps its source paths on purpose, for its reports.

function(sw_check_installed_tree root)
    foreach(file bin/strokewheel-host lib/strokewheel/strokewheel-host lib/strokewheel/libstandin.so lib/strokewheel/libfxsdk.so lib/strokewheel/fxsdk-probe
                 lib/strokewheel/Strokewheel_4.03_15.tx lib/strokewheel/translations/strokewheel_de.qm
                 lib/strokewheel/catalogue/default.catalogue lib/strokewheel/icons/light/line.svg
                 share/applications/strokewheel-host.desktop
                 share/icons/hicolor/scalable/apps/strokewheel-host.svg)
        if(NOT EXISTS "${root}/${file}")
            message(FATAL_ERROR "not installed: ${file}")
        endif()
    endforeach()
    if(SANITIZE)
        return()
    endif()
    foreach(folder "${SOURCE}" "${BUILD}")
        execute_process(COMMAND grep -rlF "${folder}" "${root}" OUTPUT_VARIABLE named)
        if(named)
            message(FATAL_ERROR "installed files name ${folder}:\n${named}")
        endif()
    endforeach()
endfunction()
