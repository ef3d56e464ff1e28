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
        VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
        POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    set(targets ${name})
    if(WIN32)
        add_library(${name}_static STATIC EXCLUDE_FROM_ALL ${ARGN})
        target_compile_definitions(${name}_static PUBLIC ${macro_prefix}_STATIC)
        list(APPEND targets ${name}_static)
    endif()
    foreach(target IN LISTS targets)
        target_include_directories(${target} PUBLIC
            $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
            $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
        target_compile_features(${target} PUBLIC cxx_std_17)
        kaurl_set_warnings(${target})
    endforeach()
endfunction()
