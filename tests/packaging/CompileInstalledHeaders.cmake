# SPDX-License-Identifier: BSL-1.0
# Compiles each public header of the installed tree PREFIX on its own, with
# nothing but the installed include directory and strict warnings, so that a
# header which needs an uninstalled file, another header included before it,
# or which warns in a consumer's build, fails.
#
#   cmake -DPREFIX=<installed tree> -DCXX=<compiler> -DCXX_FLAGS=<its flags>
#         -DWORK_DIR=<scratch dir> -P CompileInstalledHeaders.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
file(GLOB_RECURSE headers RELATIVE ${PREFIX}/include ${PREFIX}/include/*.h)
if(NOT headers)
    message(FATAL_ERROR "No headers installed below ${PREFIX}/include")
endif()

set(failures)
foreach(header IN LISTS headers)
    string(MAKE_C_IDENTIFIER ${header} name)
    set(source ${WORK_DIR}/${name}.cpp)
    file(WRITE ${source} "#include <${header}>\n")
    execute_process(
        COMMAND ${CXX} ${cxx_flags} -std=c++17 -Wall -Wextra -Wpedantic -Werror -fsyntax-only
            -I${PREFIX}/include ${source}
        RESULT_VARIABLE result
        ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        list(APPEND failures "${header}:\n${errors}")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n" failures_text)
    message(FATAL_ERROR "Installed headers that do not compile on their own:\n${failures_text}")
endif()
list(LENGTH headers count)
message(STATUS "${count} installed headers compile on their own")
