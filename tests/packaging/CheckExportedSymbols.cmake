# SPDX-License-Identifier: BSL-1.0
# Compares the demangled names that a shared library exports with a
# checked-in list, so that an accidental export or a lost one fails.
#
#   ELF, the dynamic symbols:      cmake -DNM=<nm> ...
#   Windows, a DLL's export table: cmake -DOBJDUMP=<objdump> -DCXXFILT=<c++filt> ...
#   ... -DLIBRARY=<library> -DSYMBOLS_FILE=<list> [-DUPDATE=ON] -P CheckExportedSymbols.cmake
#
# With UPDATE=ON the list is rewritten from the library, keeping its comment
# header. Names are compared as sorted lists with repetitions: constructors
# and destructors demangle to the same text once per ABI variant. The standard
# library's inline namespaces and ABI tags (libstdc++'s std::__cxx11:: and
# [abi:cxx11], libc++'s std::__1::) are left out on both sides, so one list
# serves builds against either library.
cmake_minimum_required(VERSION 3.25)

function(strip_standard_library_tags text out)
    string(REGEX REPLACE "std::__(cxx11|1)::" "std::" text "${text}")
    string(REPLACE "[abi:cxx11]" "" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

if(OBJDUMP)
    execute_process(
        COMMAND ${OBJDUMP} -p ${LIBRARY}
        COMMAND ${CXXFILT}
        OUTPUT_VARIABLE dump
        COMMAND_ERROR_IS_FATAL ANY)
    # The export table: a heading, then "\t[<ordinal>] <name>" lines.
    string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(\t\\[ *[0-9]+\\] [^\n]*\n)*"
        names "${dump}")
    string(REGEX REPLACE "^\\[Ordinal/Name Pointer\\] Table\n" "" names "${names}")
    string(REGEX REPLACE "(^|\n)\t\\[ *[0-9]+\\] " "\\1" names "${names}")
else()
    execute_process(
        COMMAND ${NM} -D --defined-only -C ${LIBRARY}
        OUTPUT_VARIABLE names
        COMMAND_ERROR_IS_FATAL ANY)
    # "<address> <type> <name>" -> "<name>"
    string(REGEX REPLACE "(^|\n)[0-9a-fA-F]+ [A-Za-z] " "\\1" names "${names}")
endif()

strip_standard_library_tags("${names}" names)
string(REPLACE "\n" ";" exported "${names}")
list(FILTER exported EXCLUDE REGEX "^$")
list(SORT exported)

file(STRINGS ${SYMBOLS_FILE} listed_lines)
strip_standard_library_tags("${listed_lines}" listed_lines)
set(header ${listed_lines})
list(FILTER header INCLUDE REGEX "^#")
set(listed ${listed_lines})
list(FILTER listed EXCLUDE REGEX "^(#|$)")
list(SORT listed)

if(UPDATE)
    list(JOIN header "\n" header_text)
    list(JOIN exported "\n" exported_text)
    file(WRITE ${SYMBOLS_FILE} "${header_text}\n\n${exported_text}\n")
    message(STATUS "Wrote the exported symbols to ${SYMBOLS_FILE}")
elseif(NOT exported STREQUAL listed)
    set(unexpected ${exported})
    list(REMOVE_ITEM unexpected ${listed})
    set(missing ${listed})
    list(REMOVE_ITEM missing ${exported})
    foreach(difference IN ITEMS unexpected missing)
        set(${difference}_text "(none)")
        if(${difference})
            list(JOIN ${difference} "\n    " ${difference}_text)
        endif()
    endforeach()
    message(FATAL_ERROR
        "${LIBRARY} does not export what ${SYMBOLS_FILE} lists, or not as often.\n"
        "  Exported but not listed:\n    ${unexpected_text}\n"
        "  Listed but not exported:\n    ${missing_text}\n"
        "If the change of the interface is intended, rewrite the list with\n"
        "  cmake --build <build dir> --target kaurl_update_exported_symbols")
endif()
