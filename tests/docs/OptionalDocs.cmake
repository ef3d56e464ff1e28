# SPDX-License-Identifier: BSL-1.0
# Configures kaurl as if doxygen were not installed: by default quietly and
# without the documentation; with KAURL_BUILD_DOCS=ON it fails, saying why in
# one line.
#   cmake -DSOURCE_DIR=... -DBINARY_DIR=... -DGENERATOR=... -DCXX=... -P OptionalDocs.cmake
function(configure_without_doxygen)
    execute_process(
        COMMAND ${CMAKE_COMMAND} --fresh -S ${SOURCE_DIR} -B ${BINARY_DIR} -G ${GENERATOR}
            -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_DISABLE_FIND_PACKAGE_Doxygen=ON
            -DKAURL_BUILD_TESTS=OFF -DKAURL_BUILD_BENCHMARKS=OFF ${ARGN}
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
    set(status ${status} PARENT_SCOPE)
    set(errors "${errors}" PARENT_SCOPE)
endfunction()

configure_without_doxygen()
if(NOT status EQUAL 0 OR NOT errors STREQUAL "" OR EXISTS ${BINARY_DIR}/docs/Doxyfile)
    message(FATAL_ERROR "Without doxygen the default configuration must succeed quietly and "
        "leave the documentation out; it said:\n${errors}")
endif()

configure_without_doxygen(-DKAURL_BUILD_DOCS=ON)
if(status EQUAL 0 OR NOT errors MATCHES "\n  KAURL_BUILD_DOCS is ON, but doxygen cannot be found.\n")
    message(FATAL_ERROR "Without doxygen KAURL_BUILD_DOCS=ON must fail, naming doxygen; it said:\n"
        "${errors}")
endif()
