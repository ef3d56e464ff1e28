# SPDX-License-Identifier: BSL-1.0
# Cross build for 64-bit Windows with Debian's mingw-w64 compilers (the POSIX
# threads variant, which has std::thread), whose programs CTest runs under Wine.
#
#   cmake -S . -B build-mingw \
#         --toolchain cmake/toolchains/x86_64-w64-mingw32.cmake \
#         -DCMAKE_FIND_ROOT_PATH=<prefix of GoogleTest built for the target>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Libraries and headers come from the target's root only; programs from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# What the project's build needs beyond the compiler; try_compile checks of
# the compiler need neither.
get_property(in_try_compile GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT in_try_compile)
    include(${CMAKE_CURRENT_LIST_DIR}/HostHeaderOnlyPackages.cmake)
    include(${CMAKE_CURRENT_LIST_DIR}/WineEmulator.cmake)
endif()
