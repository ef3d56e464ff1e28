# SPDX-License-Identifier: BSL-1.0
# The ABI guard: compares a build of the library with the ABI that its major
# version was released with, and with the ABI of the latest release before it
# (libabigail's abidiff), and fails on any change but added functions. So that
# the guard is seen to tell the two apart, it is also run against three copies
# of the first baseline, each changed on purpose:
# - without IsKAMediaURI, which the library then adds: accepted;
# - with IsKAMediaURI under another name, which the library then lacks: refused;
# - with kaurl::URI one 64-bit word larger, a changed layout: refused.
#
#   cmake -DABIDIFF=<abidiff> -DBASELINE=<abi file> -DRELEASE_BASELINE=<abi file>
#         -DLIBRARY=<library> -DWORK_DIR=<dir> -P CheckAbi.cmake
cmake_minimum_required(VERSION 3.25)

# Runs the guard against `baseline`; sets `status` to abidiff's exit status.
function(run_guard baseline status)
    execute_process(
        COMMAND ${ABIDIFF} --fail-no-debug-info --exported-interfaces-only --no-added-syms
            ${baseline} ${LIBRARY}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE report
        ERROR_VARIABLE report)
    set(${status} ${result} PARENT_SCOPE)
    set(report "${report}" PARENT_SCOPE)
endfunction()

foreach(baseline IN ITEMS ${BASELINE} ${RELEASE_BASELINE})
    run_guard(${baseline} status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "The library's ABI differs from ${baseline} (abidiff status "
            "${status}):\n${report}")
    endif()
endforeach()

file(READ ${BASELINE} released)
set(symbol _ZN5kaurl7kamedia12IsKAMediaURIERKNS_3URIE)
string(FIND "${released}" "<function-decl name='IsKAMediaURI'" declaration_start)
string(FIND "${released}" "<class-decl name='URI' size-in-bits='768'" class_start)
if(declaration_start EQUAL -1 OR class_start EQUAL -1)
    message(FATAL_ERROR "${BASELINE} no longer declares what the changes below alter")
endif()

string(SUBSTRING "${released}" ${declaration_start} -1 rest)
string(FIND "${rest}" "</function-decl>" declaration_length)
string(SUBSTRING "${rest}" 0 ${declaration_length} declaration)
string(REPLACE "${declaration}</function-decl>" "" without_function "${released}")
string(REGEX REPLACE "<elf-symbol name='${symbol}'[^>]*/>" "" without_function
    "${without_function}")

string(REPLACE "IsKAMediaURI" "IsKBMediaURI" renamed_function "${released}")
string(REPLACE "<class-decl name='URI' size-in-bits='768'"
    "<class-decl name='URI' size-in-bits='832'" larger_class "${released}")

foreach(change IN ITEMS without_function renamed_function larger_class)
    set(changed_baseline ${WORK_DIR}/${change}.abi)
    file(WRITE ${changed_baseline} "${${change}}")
    run_guard(${changed_baseline} status)
    if(change STREQUAL "without_function" AND NOT status EQUAL 0)
        message(FATAL_ERROR "The guard refuses a function added since ${changed_baseline} "
            "(abidiff status ${status}):\n${report}")
    elseif(NOT change STREQUAL "without_function" AND status EQUAL 0)
        message(FATAL_ERROR "The guard accepts the incompatible ${changed_baseline}")
    endif()
    message(STATUS "${change}: abidiff status ${status}")
endforeach()
