# SPDX-License-Identifier: BSL-1.0
# The WebAssembly build of the playground: the module kaurl.js beside the
# page's files in <build>/web/page, and the tests that compare this build
# with the native one (KAURL_NATIVE_BUILD_DIR) and drive the page in Chromium.
set(KAURL_NATIVE_BUILD_DIR ${PROJECT_SOURCE_DIR}/build CACHE PATH
    "The native build whose tool and driver the differential check compares with")
set(page_dir ${CMAKE_CURRENT_BINARY_DIR}/page)

# One file that holds the WebAssembly code too, so that the page works from
# the file system as well as from a server. No code is made from text at run
# time (DYNAMIC_EXECUTION=0): the page's Content-Security-Policy forbids it.
set(exported_functions _kaurl_web_describe _kaurl_web_compose _kaurl_web_substitute
    _kaurl_web_resolve _kaurl_web_self_test _kaurl_web_free _malloc _free)
list(JOIN exported_functions "," exported_functions)
add_executable(kaurl_web_module)
target_link_libraries(kaurl_web_module PRIVATE kaurl_web_binding)
target_link_options(kaurl_web_module PRIVATE
    --no-entry
    -sMODULARIZE=1
    -sEXPORT_NAME=createKaurlModule
    -sSINGLE_FILE=1
    -sENVIRONMENT=web
    -sDYNAMIC_EXECUTION=0
    -sFILESYSTEM=0
    -sALLOW_MEMORY_GROWTH=1
    -sEXPORTED_FUNCTIONS=${exported_functions}
    -sEXPORTED_RUNTIME_METHODS=UTF8ToString)
set_target_properties(kaurl_web_module PROPERTIES
    OUTPUT_NAME kaurl
    RUNTIME_OUTPUT_DIRECTORY ${page_dir})

file(GLOB page_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/page/*)
foreach(page_file IN LISTS page_files)
    get_filename_component(name ${page_file} NAME)
    configure_file(${page_file} ${page_dir}/${name} COPYONLY)
endforeach()

# The driver runs under node and reads the files it is given. Node's fetch
# refuses file paths, so its WebAssembly code is inside its JavaScript too.
target_link_options(kaurl_web_driver PRIVATE
    -sNODERAWFS=1 -sENVIRONMENT=node -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -sSINGLE_FILE=1)

# The checks need node, the native build's tool and driver, and for the
# browser test playwright-core, which scripts/web.sh installs into
# <build>/npm with npm ci.
find_program(KAURL_NODE node REQUIRED)
set(native_tool ${KAURL_NATIVE_BUILD_DIR}/tools/kaurl)
set(native_driver ${KAURL_NATIVE_BUILD_DIR}/web/kaurl_web_driver)
add_test(NAME web.differential.uris
    COMMAND ${KAURL_NODE} ${CMAKE_CURRENT_SOURCE_DIR}/test/differential.js uris
        $<TARGET_FILE:kaurl_web_driver> ${native_tool} ${PROJECT_SOURCE_DIR}/examples/uris.txt)
add_test(NAME web.differential.seeds
    COMMAND ${KAURL_NODE} ${CMAKE_CURRENT_SOURCE_DIR}/test/differential.js seeds
        $<TARGET_FILE:kaurl_web_driver> ${native_driver} ${PROJECT_SOURCE_DIR}/fuzz/corpus)
add_test(NAME web.differential.driver_refuses_unreadable_seed
    COMMAND ${KAURL_NODE} $<TARGET_FILE:kaurl_web_driver> seeds ${CMAKE_CURRENT_BINARY_DIR}/no-such-seed)
set_tests_properties(web.differential.driver_refuses_unreadable_seed PROPERTIES
    PASS_REGULAR_EXPRESSION "^kaurl_web_driver: cannot read a file\n$")
add_test(NAME web.browser
    COMMAND ${KAURL_NODE} ${CMAKE_CURRENT_SOURCE_DIR}/test/browser.js
        ${page_dir} ${native_tool} ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(web.browser PROPERTIES
    ENVIRONMENT NODE_PATH=${PROJECT_BINARY_DIR}/npm/node_modules)
