# Runs RavelinHost.exe under Wine once and checks its exit status and output.
cmake_minimum_required(VERSION 3.25)
#   EMULATOR        the Wine wrapper
#   HOST            RavelinHost.exe
#   HOST_ARGS       |-separated arguments
#   EXPECT_EXIT     the exit status wanted
#   EXPECT_STDOUT   optional regular expression the standard output must match
#   EXPECT_STDERR   optional regular expression the standard error must match
#   REMOVE          optional file removed before the run
#   WRITE_FILE      optional file written with WRITE_TEXT before the run
#   EXPECT_UNCHANGED   optional: WRITE_FILE must still hold WRITE_TEXT after the run
#   EXPECT_FILE     optional file that must exist after the run
#   EXPECT_FILE_MATCHES  optional |-separated regular expressions EXPECT_FILE's text must match
#   COPY_TO         optional folder: HOST and the |-separated COPY_FILES are copied there and
#                   the copy runs, to see the program without the files left behind
string(REPLACE "|" ";" args "${HOST_ARGS}")
if(REMOVE)
    file(REMOVE "${REMOVE}")
endif()
if(WRITE_FILE)
    file(WRITE "${WRITE_FILE}" "${WRITE_TEXT}")
endif()
set(program "${HOST}")
if(COPY_TO)
    file(REMOVE_RECURSE "${COPY_TO}")
    file(MAKE_DIRECTORY "${COPY_TO}")
    string(REPLACE "|" ";" copies "${COPY_FILES}")
    file(COPY "${HOST}" ${copies} DESTINATION "${COPY_TO}")
    get_filename_component(name "${HOST}" NAME)
    set(program "${COPY_TO}/${name}")
endif()

execute_process(
    COMMAND ${EMULATOR} "${program}" ${args}
    RESULT_VARIABLE rc
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 90)
message(STATUS "exit status: ${rc}\nstdout:\n${out}\nstderr:\n${err}")
if(NOT "${rc}" STREQUAL "${EXPECT_EXIT}")
    message(FATAL_ERROR "RavelinHost exited with ${rc}, expected ${EXPECT_EXIT}")
endif()
if(DEFINED EXPECT_STDOUT AND NOT out MATCHES "${EXPECT_STDOUT}")
    message(FATAL_ERROR "standard output does not match: ${EXPECT_STDOUT}")
endif()
if(DEFINED EXPECT_STDERR AND NOT err MATCHES "${EXPECT_STDERR}")
    message(FATAL_ERROR "standard error does not match: ${EXPECT_STDERR}")
endif()
if(EXPECT_UNCHANGED)
    file(READ "${WRITE_FILE}" kept)
    if(NOT kept STREQUAL WRITE_TEXT)
        message(FATAL_ERROR "${WRITE_FILE} was changed")
    endif()
endif()
if(EXPECT_FILE AND NOT EXISTS "${EXPECT_FILE}")
    message(FATAL_ERROR "${EXPECT_FILE} was not created")
endif()
if(EXPECT_FILE_MATCHES)
    file(READ "${EXPECT_FILE}" written)
    string(REPLACE "|" ";" patterns "${EXPECT_FILE_MATCHES}")
    foreach(pattern IN LISTS patterns)
        if(NOT written MATCHES "${pattern}")
            message(FATAL_ERROR "${EXPECT_FILE} does not match: ${pattern}")
        endif()
    endforeach()
endif()
