# Runs a libFuzzer target for a while on a copy of its seed corpus, its output to a file.
cmake_minimum_required(VERSION 3.25)
#   FUZZER   the fuzzer executable
#   CORPUS   the committed seed directory (never written)
#   WORK     directory for the working corpus, the log and any crash input
#   SECONDS  how long to run
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -artifact_prefix=${WORK}/ ${WORK}/corpus
    OUTPUT_FILE ${WORK}/fuzz.log
    ERROR_FILE ${WORK}/fuzz.log
    RESULT_VARIABLE rc)
file(STRINGS ${WORK}/fuzz.log lines)
list(LENGTH lines count)
math(EXPR first "${count} - 15")
if(first LESS 0)
    set(first 0)
endif()
list(SUBLIST lines ${first} -1 tail)
list(JOIN tail "\n" tail)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${rc}); log ${WORK}/fuzz.log:\n${tail}")
endif()
message(STATUS "log ${WORK}/fuzz.log:\n${tail}")
