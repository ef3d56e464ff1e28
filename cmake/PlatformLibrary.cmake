# SPDX-License-Identifier: BSL-1.0
# kaurl_add_platform_library(<name> <source>...): a stand-in for one of the
# host's libraries. The shared library <name> (alias <name>::<name>) exports
# what the <NAME>_API macro of its headers marks.
#
# On Windows there is also the static library <name>_static, for the programs
# that link kaurl's objects directly (the unit tests): each DLL keeps its own
# operator new, so only a program made of one module sees all of its
# allocations in a replaced one, as every program does on ELF.
function(kaurl_add_platform_library name)
    string(TOUPPER ${name} macro_prefix)
    add_library(${name} SHARED ${ARGN})
    add_library(${name}::${name} ALIAS ${name})
    target_compile_definitions(${name} PRIVATE ${macro_prefix}_BUILDING)
    set_target_properties(${name} PROPERTIES
        VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
    kaurl_set_library_usage(${name} ${CMAKE_CURRENT_SOURCE_DIR}/include)
    if(WIN32)
        add_library(${name}_static STATIC EXCLUDE_FROM_ALL ${ARGN})
        target_compile_definitions(${name}_static PUBLIC ${macro_prefix}_STATIC)
        kaurl_set_library_usage(${name}_static ${CMAKE_CURRENT_SOURCE_DIR}/include)
    endif()
endfunction()
