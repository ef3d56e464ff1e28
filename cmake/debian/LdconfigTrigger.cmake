# SPDX-License-Identifier: BSL-1.0
# Runs after CPack has built the packages (CPACK_POST_BUILD_SCRIPTS). CPack
# gives a package with shared libraries in the loader's directories a postinst
# and a postrm that call ldconfig; Debian wants the ldconfig trigger instead.
# This rebuilds the library package with a "triggers" file in their place.
find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${DPKG_DEB} --field ${package} Package
        OUTPUT_VARIABLE name OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT name STREQUAL CPACK_DEBIAN_RUNTIME_PACKAGE_NAME)
        continue()
    endif()
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/ldconfig-trigger/${name})
    file(REMOVE_RECURSE ${tree})
    file(MAKE_DIRECTORY ${tree})
    execute_process(COMMAND ${DPKG_DEB} --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
    file(WRITE ${tree}/DEBIAN/triggers "activate-noawait ldconfig\n")
    execute_process(COMMAND ${DPKG_DEB} --root-owner-group --build ${tree} ${package}
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
