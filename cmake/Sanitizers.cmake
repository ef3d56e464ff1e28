# SPDX-License-Identifier: BSL-1.0
# Instrumentation for the whole build, chosen at configure time:
#   -DKAURL_SANITIZE=address,undefined   AddressSanitizer (with leak checks) + UBSan
#   -DKAURL_SANITIZE=thread              ThreadSanitizer
#   -DKAURL_FUZZ=ON                      coverage feedback for the libFuzzer targets (clang)
# Every finding stops the program: nothing is recovered from and reported later.
set(KAURL_SANITIZE "" CACHE STRING "Comma-separated -fsanitize= list for every target")
option(KAURL_FUZZ "Build the fuzz targets against libFuzzer (clang only)" OFF)

if(KAURL_SANITIZE)
    add_compile_options(-fsanitize=${KAURL_SANITIZE} -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${KAURL_SANITIZE} -fno-sanitize-recover=all)
endif()

if(KAURL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KAURL_FUZZ needs clang (libFuzzer); configure with CXX=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
    add_link_options(-fsanitize=fuzzer-no-link)
endif()
