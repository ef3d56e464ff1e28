# SPDX-License-Identifier: BSL-1.0
# kaurl_set_library_usage(<target> <public include dir>): how every library
# target of the project compiles, and what its users get: its public headers
# (from the source tree in the build, from the installed include directory
# once installed) and C++17. Only what the library's export macro marks
# leaves it; its code is position-independent and compiled with the project's
# warnings.
function(kaurl_set_library_usage target include_dir)
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${include_dir}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    target_compile_features(${target} PUBLIC cxx_std_17)
    set_target_properties(${target} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    kaurl_set_warnings(${target})
endfunction()
