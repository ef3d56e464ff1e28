# SPDX-License-Identifier: BSL-1.0
# Cross build for 64-bit ARM Linux with Debian's cross compiler
# (g++-aarch64-linux-gnu), whose programs CTest runs under qemu-user.
#
#   cmake -S . -B build-arm64 \
#         --toolchain cmake/toolchains/aarch64-linux-gnu.cmake \
#         -DCMAKE_FIND_ROOT_PATH=<prefix of GoogleTest built for the target>
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(triple aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)

# Libraries and headers come from the target's root only; programs from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The target's programs run under the user-mode emulator, which finds their
# dynamic loader and the compiler's runtime below the target's root. No
# binfmt handler is assumed: a program the tests start must be started
# through the emulator too.
find_program(QEMU_AARCH64 qemu-aarch64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_AARCH64} -L /usr/${triple})

# What the project's build needs beyond the compiler; try_compile checks of
# the compiler do not need it.
get_property(in_try_compile GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT in_try_compile)
    include(${CMAKE_CURRENT_LIST_DIR}/HostHeaderOnlyPackages.cmake)
endif()
