# SPDX-License-Identifier: BSL-1.0
# Checks which versions find_package(kaurl <version> CONFIG) accepts from the
# installed tree PREFIX: the installed VERSION is compatible with requests of
# the same major version up to itself, and with nothing else.
#
#   cmake -DPREFIX=<installed tree> -DWORK_DIR=<scratch dir> -DVERSION=<x.y.z>
#         -DCXX=<compiler> -DGENERATOR=<generator> -P FindPackageVersion.cmake

cmake_minimum_required(VERSION 3.25)

string(REPLACE "." ";" parts ${VERSION})
list(GET parts 0 major)
list(GET parts 1 minor)
math(EXPR next_minor "${minor} + 1")
math(EXPR next_major "${major} + 1")
math(EXPR previous_major "${major} - 1")

# Each case: the requested version and whether it must be found.
set(cases
    "${major}|TRUE"
    "${VERSION}|TRUE"
    "${major}.${next_minor}|FALSE"
    "${next_major}|FALSE"
    "99|FALSE")
if(major GREATER 0)
    list(APPEND cases "${previous_major}|FALSE")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(WRITE ${WORK_DIR}/source/CMakeLists.txt [[
cmake_minimum_required(VERSION 3.25)
project(kaurl_version_check LANGUAGES CXX)
find_package(kaurl ${REQUESTED} CONFIG)
file(WRITE ${CMAKE_BINARY_DIR}/result.txt "${kaurl_FOUND}|${kaurl_DIR}")
]])

set(failures)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 requested)
    list(GET case 1 expected)
    set(build ${WORK_DIR}/build-${requested})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${WORK_DIR}/source -B ${build} -G ${GENERATOR}
            -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${PREFIX}
            -DREQUESTED=${requested}
        OUTPUT_QUIET
        COMMAND_ERROR_IS_FATAL ANY)
    file(READ ${build}/result.txt result)
    string(REPLACE "|" ";" result "${result}")
    list(GET result 0 found)
    list(GET result 1 found_in)
    if(found AND NOT found_in MATCHES "^${PREFIX}/")
        list(APPEND failures "${requested}: found in '${found_in}', not below ${PREFIX}")
    elseif(found AND NOT expected)
        list(APPEND failures "${requested}: found, but must not be")
    elseif(NOT found AND expected)
        list(APPEND failures "${requested}: not found, but must be")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n  " failures_text)
    message(FATAL_ERROR "find_package(kaurl <version>) against ${VERSION}:\n  ${failures_text}")
endif()
