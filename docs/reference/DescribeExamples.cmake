# SPDX-License-Identifier: BSL-1.0
# Doxygen's Examples page lists the example programs by file name only. This
# adds to each entry the description that the program's own page opens with
# (its @example paragraph in mainpage.md), so that the list says what each
# program shows.
#   cmake -DHTML_DIR=... -P DescribeExamples.cmake
set(index ${HTML_DIR}/examples.html)
file(READ ${index} page)
string(REGEX MATCHALL "<li><a class=\"el\" href=\"[^\"]+-example\\.html\">[^<]+</a></li>" entries
    "${page}")
if(NOT entries)
    message(FATAL_ERROR "DescribeExamples: ${index} lists no example")
endif()
foreach(entry IN LISTS entries)
    string(REGEX MATCH "href=\"([^\"]+)\"" _ "${entry}")
    set(name ${CMAKE_MATCH_1})
    file(READ ${HTML_DIR}/${name} example)
    # The description is the first paragraph of the page's contents.
    set(opening "<div class=\"contents\">\n<p >")
    string(FIND "${example}" "${opening}" start)
    if(start EQUAL -1)
        message(FATAL_ERROR "DescribeExamples: ${name} opens with no description")
    endif()
    string(LENGTH "${opening}" length)
    math(EXPR start "${start} + ${length}")
    string(SUBSTRING "${example}" ${start} -1 description)
    string(FIND "${description}" "</p>" end)
    string(SUBSTRING "${description}" 0 ${end} description)
    string(REPLACE "</a></li>" "</a> &ndash; ${description}</li>" described "${entry}")
    string(REPLACE "${entry}" "${described}" page "${page}")
endforeach()
file(WRITE ${index} "${page}")
