# SPDX-License-Identifier: BSL-1.0
# What the WebAssembly build (preset "wasm", Emscripten) needs for every
# target of the project.

# Boost: the native Boost headers, seen through a directory that holds nothing
# else. Pointing the compiler at the native include directory itself would put
# the C library's headers in place of Emscripten's own.
set(KAURL_BOOST_HEADERS /usr/include/boost CACHE PATH
    "The Boost headers that the WebAssembly build compiles with")
set(kaurl_boost_root ${PROJECT_BINARY_DIR}/boost-headers)
file(MAKE_DIRECTORY ${kaurl_boost_root})
file(CREATE_LINK ${KAURL_BOOST_HEADERS} ${kaurl_boost_root}/boost SYMBOLIC)
set(Boost_INCLUDE_DIR ${kaurl_boost_root} CACHE PATH
    "Boost headers, as the WebAssembly build sees them" FORCE)

# Exceptions: Emscripten compiles without catching by default, so the module
# would abort where the library catches a failed conversion (a port such as
# "abc", or a decomposition that Boost.Regex gives up on) and where the
# self-test's runner catches a failed test. Catching is switched on everywhere,
# so that every frame between a throw and its catch is unwound and frees what
# it holds.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
