# SPDX-License-Identifier: BSL-1.0
# Builds the example consumer against kaurl one way and checks what it prints.
#
#   cmake -DMETHOD=<find_package|pkg-config|add_subdirectory>
#         -DCONSUMER_DIR=<examples/consumer> -DWORK_DIR=<scratch dir>
#         -DPREFIX=<installed tree> -DLIBDIR=<its library dir>
#         -DSOURCE_DIR=<kaurl source tree> -DCXX=<compiler> -DCXX_FLAGS=<its flags>
#         -DGENERATOR=<generator> -DPKG_CONFIG=<pkg-config> -DVERSION=<kaurl version>
#         [-DTOOLCHAIN=<toolchain file> -DEMULATOR=<emulator command, words joined by |>
#          -DEXECUTABLE_SUFFIX=<.exe>]
#         -P BuildConsumer.cmake
#
# find_package and pkg-config use the installed tree in PREFIX;
# add_subdirectory builds kaurl from SOURCE_DIR inside the consumer's build.
# The consumer is compiled with kaurl's own compiler flags: they may choose the
# standard library (-stdlib=libc++), which library and consumer must share.
# A cross build gives its toolchain file, and the emulator that runs the
# consumer.

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
string(REPLACE "|" ";" emulator "${EMULATOR}")
set(program ${WORK_DIR}/kaurl_consumer${EXECUTABLE_SUFFIX})

set(cross_arguments)
if(TOOLCHAIN)
    # The toolchain looks for packages below its root paths only.
    set(cross_arguments --toolchain ${TOOLCHAIN} -DCMAKE_FIND_ROOT_PATH=${PREFIX})
endif()

function(configure_and_build)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR} -G ${GENERATOR}
            -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" ${cross_arguments} ${ARGN}
        COMMAND_ERROR_IS_FATAL ANY)
    execute_process(
        COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR} -j 2
        COMMAND_ERROR_IS_FATAL ANY)
endfunction()

function(read_cache_entry name out)
    file(STRINGS ${WORK_DIR}/CMakeCache.txt entry REGEX "^${name}:")
    string(REGEX REPLACE "^[^=]*=" "" value "${entry}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

if(METHOD STREQUAL "find_package")
    configure_and_build(-DCMAKE_PREFIX_PATH=${PREFIX})
    read_cache_entry(kaurl_DIR found_in)
    if(NOT found_in MATCHES "^${PREFIX}/")
        message(FATAL_ERROR "kaurl was found in '${found_in}', not below ${PREFIX}")
    endif()
    # Boost is private to libkaurl.so: using the package must not look for it.
    read_cache_entry(Boost_DIR boost_dir)
    if(boost_dir)
        message(FATAL_ERROR "Using the kaurl package looked for Boost (${boost_dir})")
    endif()
elseif(METHOD STREQUAL "pkg-config")
    set(ENV{PKG_CONFIG_PATH} ${PREFIX}/${LIBDIR}/pkgconfig)
    execute_process(
        COMMAND ${PKG_CONFIG} --modversion kaurl
        OUTPUT_VARIABLE pc_version OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    if(NOT pc_version STREQUAL VERSION)
        message(FATAL_ERROR "kaurl.pc gives version '${pc_version}', expected '${VERSION}'")
    endif()
    execute_process(
        COMMAND ${PKG_CONFIG} --cflags --libs kaurl
        OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
    file(MAKE_DIRECTORY ${WORK_DIR})
    execute_process(
        COMMAND ${CXX} ${cxx_flags} -std=c++17 ${CONSUMER_DIR}/main.cpp ${pc_flags}
            -Wl,-rpath,${PREFIX}/${LIBDIR} -o ${program}
        COMMAND_ERROR_IS_FATAL ANY)
elseif(METHOD STREQUAL "add_subdirectory")
    configure_and_build(-DKAURL_SOURCE_DIR=${SOURCE_DIR})
    # Inside another project kaurl builds its libraries only.
    if(EXISTS ${WORK_DIR}/kaurl/tests)
        message(FATAL_ERROR "kaurl built its tests inside the consumer's build")
    endif()
else()
    message(FATAL_ERROR "Unknown METHOD '${METHOD}'")
endif()

# Each case: the argument, the exit code, and the text on stdout (a media URI)
# or stderr (anything else). Create turns backslashes into slashes.
set(cases
    "kamedia://wendelgrid/media/stories/123/ABA00.mxf|0|mount point: wendelgrid\nfile name: ABA00.mxf\nextension: mxf\n"
    "kamedia://grid\\media\\a.b.wav|0|mount point: grid\nfile name: a.b.wav\nextension: wav\n"
    "http://wendelgrid/media/a.mxf|1|not a media URI: http://wendelgrid/media/a.mxf\n")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 argument)
    list(GET case 1 expected_code)
    list(GET case 2 expected_text)
    execute_process(
        COMMAND ${emulator} ${program} ${argument}
        RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(expected_code EQUAL 0)
        set(text "${out}")
    else()
        set(text "${err}")
    endif()
    # Standard streams in text mode end lines in CR LF on Windows.
    string(REPLACE "\r\n" "\n" text "${text}")
    if(NOT code STREQUAL expected_code OR NOT text STREQUAL expected_text)
        message(FATAL_ERROR "kaurl_consumer ${argument} (built with ${METHOD})\n"
            "exited with '${code}' (expected ${expected_code}) and printed\n${out}${err}"
            "expected\n${expected_text}")
    endif()
endforeach()
message(STATUS "kaurl_consumer built with ${METHOD} works")
