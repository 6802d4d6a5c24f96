# Strokewheel - mouse gestures for CAD drawing views.
# Runs strokewheel-host on replay scripts, one after another with one fresh profile, and
# checks the exit code and what the host said.
#
#   cmake -DHOST=<exe> -DWORK=<folder> -DSCRIPTS=<a.replay|b.replay> [-DMODULE=<file>]
#         [-DEXPECT_EXIT=<code>] [-DEXPECT_STDOUT=<regex>] [-DEXPECT_STDERR=<regex>]
#         [-DEXTRA_ARGS=<arg|arg>] [-DEXPECT_FILES=<name|name>] -P RunReplay.cmake
#
# The profile and the outputs stay in WORK/ for reading after a failure.

foreach(required HOST WORK SCRIPTS)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "RunReplay.cmake needs -D${required}=...")
    endif()
endforeach()
if(NOT DEFINED EXPECT_EXIT)
    set(EXPECT_EXIT 0)
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/profile" "${WORK}/output")

string(REPLACE "|" ";" script_list "${SCRIPTS}")
string(REPLACE "|" ";" extra_args "${EXTRA_ARGS}")
list(LENGTH script_list script_count)
set(run 0)
foreach(script IN LISTS script_list)
    math(EXPR run "${run} + 1")
    set(arguments --replay "${script}" --profile "${WORK}/profile" --output "${WORK}/output")
    if(DEFINED MODULE)
        list(APPEND arguments --module "${MODULE}")
    endif()
    list(APPEND arguments ${extra_args})
    execute_process(COMMAND "${HOST}" ${arguments}
                    RESULT_VARIABLE code
                    OUTPUT_VARIABLE out
                    ERROR_VARIABLE err
                    TIMEOUT 240)
    file(WRITE "${WORK}/run${run}.stdout" "${out}")
    file(WRITE "${WORK}/run${run}.stderr" "${err}")
    message(STATUS "run ${run}: ${script} -> exit ${code}\n--- stdout ---\n${out}--- stderr ---\n${err}")
    # Every run but the last must pass; the last one gives the result to check.
    if(run LESS script_count AND NOT code EQUAL 0)
        message(FATAL_ERROR "${script}: exit ${code}, expected 0 (the run before the last)")
    endif()
endforeach()

if(NOT "${code}" STREQUAL "${EXPECT_EXIT}")
    message(FATAL_ERROR "exit ${code}, expected ${EXPECT_EXIT}")
endif()
if(DEFINED EXPECT_STDOUT AND NOT out MATCHES "${EXPECT_STDOUT}")
    message(FATAL_ERROR "standard output does not match \"${EXPECT_STDOUT}\"")
endif()
# The X server refusing a request (a window gone, under a window manager) is a fault.
if(err MATCHES "XCB error")
    message(FATAL_ERROR "the X server reported an error: ${err}")
endif()
if(DEFINED EXPECT_STDERR AND NOT err MATCHES "${EXPECT_STDERR}")
    message(FATAL_ERROR "standard error does not match \"${EXPECT_STDERR}\"")
endif()
string(REPLACE "|" ";" expected_files "${EXPECT_FILES}")
foreach(name IN LISTS expected_files)
    set(file "${WORK}/output/${name}")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "the run wrote no ${name}")
    endif()
    file(SIZE "${file}" size)
    if(size EQUAL 0)
        message(FATAL_ERROR "${name} is empty")
    endif()
endforeach()
