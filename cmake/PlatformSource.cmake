# SPDX-License-Identifier: BSL-1.0
# kaurl_add_platform_source(<target> <stem>): adds <stem>Windows.cpp to the
# target on Windows and <stem>Posix.cpp elsewhere: the source that holds the
# target's calls into the operating system.
function(kaurl_add_platform_source target stem)
    if(WIN32)
        target_sources(${target} PRIVATE ${stem}Windows.cpp)
    else()
        target_sources(${target} PRIVATE ${stem}Posix.cpp)
    endif()
endfunction()
