# SPDX-License-Identifier: BSL-1.0
# Instrumentation for the whole build, chosen at configure time by the options
# of the top-level CMakeLists.txt:
#   -DKAURL_SANITIZE=address,undefined   AddressSanitizer (with leak checks) + UBSan
#   -DKAURL_SANITIZE=thread              ThreadSanitizer
#   -DKAURL_FUZZ=ON                      coverage feedback for the libFuzzer targets (clang)
# Every finding stops the program: nothing is recovered from and reported later.

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
