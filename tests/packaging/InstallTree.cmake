# SPDX-License-Identifier: BSL-1.0
# Installs the build tree BUILD_DIR (configuration CONFIG) into PREFIX-staged
# and then moves it to PREFIX, both emptied first so that nothing from an
# earlier run survives: every test of the installed tree uses a moved one.
set(staged ${PREFIX}-staged)
file(REMOVE_RECURSE ${staged} ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${staged} --config ${CONFIG}
    COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${staged} ${PREFIX})
