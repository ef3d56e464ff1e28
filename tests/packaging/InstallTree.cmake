# SPDX-License-Identifier: BSL-1.0
# Installs the build tree BUILD_DIR (configuration CONFIG) into PREFIX, emptied
# first so that nothing from an earlier run survives.
file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --config ${CONFIG}
    COMMAND_ERROR_IS_FATAL ANY)
