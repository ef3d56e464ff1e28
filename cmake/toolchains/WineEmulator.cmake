# SPDX-License-Identifier: BSL-1.0
# Runs the cross-built programs (tests, and the test discovery of GoogleTest)
# under Wine, headless, in the Wine prefix that WINEPREFIX names, or else in
# one of the build's own.
#
# The compiler's runtime (libstdc++, libgcc, winpthread) is linked as DLLs, as
# MSVC builds use the DLL C runtime: one runtime serves every module of a
# process, and its per-thread cleanup does not hang on the thread
# notifications of the DLLs that use it (kaurl switches those off). Wine finds
# the runtime's DLLs through links in one directory of the build tree.
find_program(WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
find_program(SETARCH setarch REQUIRED)

set(runtime_dir ${CMAKE_BINARY_DIR}/mingw-runtime)
file(MAKE_DIRECTORY ${runtime_dir})
foreach(runtime_dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(
        COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime_dll}
        OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    file(CREATE_LINK ${runtime_path} ${runtime_dir}/${runtime_dll} SYMBOLIC)
endforeach()

set(wine_prefix $ENV{WINEPREFIX})
if(NOT wine_prefix)
    set(wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
endif()
# A program that crashes fails at once: Wine's crash debugger would take its
# time over the backtrace and then let the program exit with status 0.
#
# Wine programs run with address space randomization off (setarch -R, which
# their child processes inherit). Debian's wine64 has no preloader to reserve
# Wine's fixed addresses before the loader starts, so the loader's heap,
# placed at random up to 1 GiB above it, lands on the shared user data page at
# 0x7ffe0000 about once in a thousand starts; the new process then exits
# before it runs ("failed to map the shared user data", hidden by WINEDEBUG),
# and CreateProcessW fails with ERROR_INTERNAL_ERROR.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEDEBUG=-all WINEPREFIX=${wine_prefix}
    WINEPATH=${runtime_dir} WINEDLLOVERRIDES=winedbg.exe=d ${SETARCH} -R ${WINE64})

# Setting up a Wine prefix takes many seconds, longer than a test program's
# start may take, so it is done once here.
if(NOT EXISTS ${wine_prefix}/system.reg)
    message(STATUS "Setting up the Wine prefix ${wine_prefix}")
    file(MAKE_DIRECTORY ${wine_prefix})
    execute_process(
        COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
        OUTPUT_QUIET ERROR_QUIET
        COMMAND_ERROR_IS_FATAL ANY)
endif()
