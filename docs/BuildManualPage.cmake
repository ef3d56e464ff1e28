# SPDX-License-Identifier: BSL-1.0
# Turns the scdoc source SOURCE into the manual page PAGE, and PAGE into
# PAGE.gz compressed as Debian wants it (best compression, no name or time).
#   cmake -DSCDOC=... -DGZIP=... -DSOURCE=... -DPAGE=... -P BuildManualPage.cmake
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${PAGE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${PAGE})
    message(FATAL_ERROR "scdoc could not read ${SOURCE}")
endif()
execute_process(COMMAND ${GZIP} -9 -n -c ${PAGE} OUTPUT_FILE ${PAGE}.gz RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${PAGE}.gz)
    message(FATAL_ERROR "gzip could not compress ${PAGE}")
endif()
