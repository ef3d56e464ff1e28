# SPDX-License-Identifier: BSL-1.0
# Debian packages made by CPack from the install components:
#   libkaurl<major>  the shared libraries (runtime)
#   libkaurl-dev     headers, link symlinks, CMake package and kaurl.pc (development)
#   kaurl            the command-line tool (tool)
# The tool has a package of its own: a library package is named after its
# SONAME so that two major versions can be installed side by side, which a
# program at a fixed path such as /usr/bin/kaurl would prevent.
set(CPACK_PACKAGE_NAME kaurl)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(KAURL_CONTACT "kaurl maintainers <maintainers@users.noreply.c-seed-27221129.example>")
set(CPACK_PACKAGE_CONTACT "${KAURL_CONTACT}")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# dpkg-shlibdeps turns the libraries' DT_NEEDED entries into dependencies on
# Debian's packages as their shlibs files name them (libstdc++6, libc6, ...);
# Boost is compiled in from its headers and adds no dependency. The runtime
# package gets a shlibs file of its own, and the ldconfig trigger in place of
# the maintainer scripts that CPack would give it (debian/LdconfigTrigger.cmake).
# The build directories of the project's own libraries let dpkg-shlibdeps
# resolve the tool's DT_NEEDED entries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS)
foreach(library IN ITEMS kaurl ostracore ostraunittesting)
    get_target_property(library_dir ${library} BINARY_DIR)
    list(APPEND CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${library_dir})
endforeach()

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libkaurl${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libkaurl-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME kaurl)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION utils)

set(CPACK_COMPONENTS_ALL runtime development)
if(TARGET kaurl_tool)
    list(APPEND CPACK_COMPONENTS_ALL tool)
endif()

set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian/LdconfigTrigger.cmake)

include(CPack)

cpack_add_component(runtime
    DISPLAY_NAME "kaurl libraries"
    DESCRIPTION "URI decomposition for media URIs: shared libraries")
cpack_add_component(development
    DISPLAY_NAME "kaurl development files"
    DESCRIPTION "URI decomposition for media URIs: headers, CMake package and pkg-config file"
    DEPENDS runtime)
if(TARGET kaurl_tool)
    cpack_add_component(tool
        DISPLAY_NAME "kaurl tool"
        DESCRIPTION "URI decomposition for media URIs: the kaurl command-line tool"
        DEPENDS runtime)
endif()

# Every package carries, in /usr/share/doc/<package>, the machine-readable
# copyright file (with the licence text from LICENSE) and the changelog,
# compressed as Debian wants it; the development package's directory also
# holds the API reference. The changelog's newest entry must name the
# project's version.
set(KAURL_COPYRIGHT "2026 kaurl maintainers")
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE license_lines)
set(license_field)
foreach(line IN LISTS license_lines)
    if(line STREQUAL "")
        set(line ".")
    endif()
    list(APPEND license_field " ${line}")
endforeach()
list(JOIN license_field "\n" KAURL_LICENSE_TEXT)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${PROJECT_BINARY_DIR}/debian/copyright
    @ONLY)

set(changelog ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
file(STRINGS ${changelog} newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^kaurl \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "The newest entry of ${changelog} is not for version ${PROJECT_VERSION}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
find_program(GZIP_EXECUTABLE gzip REQUIRED)
execute_process(COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${changelog}
    OUTPUT_FILE ${PROJECT_BINARY_DIR}/debian/changelog.gz COMMAND_ERROR_IS_FATAL ANY)

foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    string(TOUPPER ${component} component_upper)
    install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_DEBIAN_${component_upper}_PACKAGE_NAME}
        COMPONENT ${component})
endforeach()
if(KAURL_REFERENCE_HTML_DIR)
    install(DIRECTORY ${KAURL_REFERENCE_HTML_DIR}/
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME}/html
        COMPONENT development)
endif()
