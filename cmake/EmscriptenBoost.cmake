# SPDX-License-Identifier: BSL-1.0
# Boost for the WebAssembly build: the native Boost headers, seen through a
# directory that holds nothing else. Pointing the compiler at the native
# include directory itself would put the C library's headers in place of
# Emscripten's own.
set(KAURL_BOOST_HEADERS /usr/include/boost CACHE PATH
    "The Boost headers that the WebAssembly build compiles with")
set(kaurl_boost_root ${PROJECT_BINARY_DIR}/boost-headers)
file(MAKE_DIRECTORY ${kaurl_boost_root})
file(CREATE_LINK ${KAURL_BOOST_HEADERS} ${kaurl_boost_root}/boost SYMBOLIC)
set(Boost_INCLUDE_DIR ${kaurl_boost_root} CACHE PATH "Boost headers, as the WebAssembly build sees them" FORCE)
