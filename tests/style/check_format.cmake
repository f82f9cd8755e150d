# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DCLANG_FORMAT=<clang-format> -DSOURCE=<checkout> -P check_format.cmake
# Fails, naming the files, when a C++ file of the checkout is not in the house format.
# The C++ files among the source files (no build folder, the same with git or without).
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND bash ${SOURCE}/scripts/source-files.sh ${SOURCE}
    OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" sources "${listed}")
list(FILTER sources INCLUDE REGEX "\\.(cpp|h|h\\.in)$")
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
    message(FATAL_ERROR "not in the house format (run: clang-format -i FILE):\n  ${listed}")
endif()
message(STATUS "${checked} C++ files in the house format")
