# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DCLANG_FORMAT=<clang-format> -DSOURCE=<checkout> -P check_format.cmake
# Fails, naming the files, when a C++ file of the checkout is not in the house format.
# A script runs with old policies unless it asks: without this, the glob follows links
# such as a Wine prefix's drive z:, which leads to the whole file system.
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE ${SOURCE}
    ${SOURCE}/*.cpp ${SOURCE}/*.h ${SOURCE}/*.h.in)
list(FILTER sources EXCLUDE REGEX "^(build|\\.git)/")
list(SORT sources)
set(unformatted)
foreach(source IN LISTS sources)
    execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror --style=file ${source}
        WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
        list(APPEND unformatted ${source})
    endif()
endforeach()
list(LENGTH sources checked)
if(unformatted)
    list(JOIN unformatted "\n  " listed)
    message(FATAL_ERROR "not in the house format (run: clang-format-14 -i FILE):\n  ${listed}")
endif()
message(STATUS "${checked} C++ files in the house format")
