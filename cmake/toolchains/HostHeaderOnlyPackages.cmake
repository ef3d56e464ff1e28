# SPDX-License-Identifier: BSL-1.0
# Makes the build machine's header-only packages (Boost, CLI11, nlohmann-json)
# available to a cross build. They hold no compiled code, so their headers
# serve any target; but their package files point at /usr/include, which would
# put the build machine's C library headers before the target's. So the
# packages are mirrored into a root of their own in the build tree: headers
# linked, package files copied (Boost's resolves its own location), and that
# root is searched beside the target's.
set(host_packages ${CMAKE_BINARY_DIR}/host-header-only-packages)
foreach(header_dir IN ITEMS boost CLI nlohmann)
    file(MAKE_DIRECTORY ${host_packages}/usr/include)
    file(CREATE_LINK /usr/include/${header_dir} ${host_packages}/usr/include/${header_dir} SYMBOLIC)
endforeach()
file(GLOB package_dirs
    /usr/share/cmake/CLI11 /usr/share/cmake/nlohmann_json
    /usr/lib/*/cmake/Boost-* /usr/lib/*/cmake/boost_headers-*)
foreach(package_dir IN LISTS package_dirs)
    get_filename_component(parent ${package_dir} DIRECTORY)
    file(COPY ${package_dir} DESTINATION ${host_packages}${parent})
endforeach()
list(APPEND CMAKE_FIND_ROOT_PATH ${host_packages})

# Debian keeps Boost's package files in a multiarch directory, which a search
# for the target does not look into.
file(GLOB Boost_DIR ${host_packages}/usr/lib/*/cmake/Boost-*)
