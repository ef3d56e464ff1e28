# SPDX-License-Identifier: BSL-1.0
# cmake -DPROGRAM=<host> -DTOOL=<kaurl> -DINPUT=<uris> -P SameAsTool.cmake
# The host's output on INPUT must be the tool's `parse --json` output, and the
# host must use libc++ while the library uses libstdc++.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} INPUT_FILE ${INPUT} OUTPUT_VARIABLE host
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${TOOL} parse --json INPUT_FILE ${INPUT} OUTPUT_VARIABLE tool
    COMMAND_ERROR_IS_FATAL ANY)
if(NOT host STREQUAL tool)
    message(FATAL_ERROR "The libc++ host answers otherwise than the tool:\n${host}\nThe tool:\n${tool}")
endif()
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries COMMAND_ERROR_IS_FATAL ANY)
if(NOT libraries MATCHES "libc\\+\\+\\.so" OR NOT libraries MATCHES "libstdc\\+\\+\\.so")
    message(FATAL_ERROR "Expected libc++ in the host and libstdc++ in the library:\n${libraries}")
endif()
string(REGEX MATCHALL "\n" lines "${host}")
list(LENGTH lines count)
message(STATUS "The libc++ host and the tool agree on ${count} URIs")
