# SPDX-License-Identifier: BSL-1.0
# Installs the library, its public headers, the stand-in libraries that those
# headers need, the command-line tool, and what lets other builds use them: a
# CMake package (find_package(kaurl)) and a pkg-config file (kaurl.pc).
# Components: "runtime" (shared libraries), "development" (headers, link
# symlinks, CMake package, kaurl.pc) and "tool"; the Debian packages follow them.
include(CMakePackageConfigHelpers)

set(KAURL_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/kaurl)

# Installed libkaurl finds the stand-ins installed beside it, and the tool
# finds the libraries, in whatever prefix the tree lands. A library directory
# that the loader searches anyway (/usr/lib/<multiarch> in a Debian package)
# needs no RUNPATH, and Debian's policy wants none there.
if(NOT CMAKE_INSTALL_FULL_LIBDIR IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
    set_target_properties(kaurl PROPERTIES INSTALL_RPATH "$ORIGIN")
    if(TARGET kaurl_tool)
        file(RELATIVE_PATH tool_to_libraries ${CMAKE_INSTALL_FULL_BINDIR}
            ${CMAKE_INSTALL_FULL_LIBDIR})
        set_target_properties(kaurl_tool PROPERTIES INSTALL_RPATH "$ORIGIN/${tool_to_libraries}")
    endif()
endif()

# Each library gets an export set of its own because each has its own namespace
# (kaurl::, ostracore::, ostraunittesting::).
foreach(library IN ITEMS ostracore ostraunittesting kaurl)
    install(TARGETS ${library} EXPORT ${library}Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
            COMPONENT runtime
            NAMELINK_COMPONENT development
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
    install(EXPORT ${library}Targets
        NAMESPACE ${library}::
        DESTINATION ${KAURL_INSTALL_CMAKEDIR}
        COMPONENT development)
endforeach()

install(DIRECTORY
        ${PROJECT_SOURCE_DIR}/include/kaurl
        ${PROJECT_SOURCE_DIR}/platform/ostracore/include/ostracore
        ${PROJECT_SOURCE_DIR}/platform/ostraunittesting/include/ostraunittesting
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
    COMPONENT development
    FILES_MATCHING PATTERN "*.h")

if(TARGET kaurl_tool)
    install(TARGETS kaurl_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tool)
    install(FILES ${PROJECT_SOURCE_DIR}/tools/completion/kaurl.bash
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions
        RENAME kaurl
        COMPONENT tool)
endif()
if(KAURL_MANUAL_PAGE)
    install(FILES ${KAURL_MANUAL_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tool)
endif()

configure_package_config_file(
    ${CMAKE_CURRENT_LIST_DIR}/kaurlConfig.cmake.in
    ${PROJECT_BINARY_DIR}/kaurlConfig.cmake
    INSTALL_DESTINATION ${KAURL_INSTALL_CMAKEDIR})
write_basic_package_version_file(
    ${PROJECT_BINARY_DIR}/kaurlConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES
        ${PROJECT_BINARY_DIR}/kaurlConfig.cmake
        ${PROJECT_BINARY_DIR}/kaurlConfigVersion.cmake
    DESTINATION ${KAURL_INSTALL_CMAKEDIR}
    COMPONENT development)

# kaurl.pc names its directories relative to its own (${pcfiledir}), as the
# CMake package does, so that the installed tree can move.
set(pc_dir ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig)
cmake_path(RELATIVE_PATH CMAKE_INSTALL_PREFIX BASE_DIRECTORY ${pc_dir}
    OUTPUT_VARIABLE KAURL_PC_TO_PREFIX)
cmake_path(RELATIVE_PATH CMAKE_INSTALL_FULL_INCLUDEDIR BASE_DIRECTORY ${pc_dir}
    OUTPUT_VARIABLE KAURL_PC_TO_INCLUDEDIR)
set(KAURL_PC_FILE ${PROJECT_BINARY_DIR}/kaurl.pc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kaurl.pc.in ${KAURL_PC_FILE} @ONLY)
install(FILES ${KAURL_PC_FILE}
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
    COMPONENT development)

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
