# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The same commit gives the same bytes, wherever it is checked out and whenever it is
# built, so that anyone can check a published package against the published source:
#   - no folder of the build machine in a binary (-ffile-prefix-map);
#   - one time for everything that records one, ZORVEL_SOURCE_DATE_EPOCH: the
#     SOURCE_DATE_EPOCH of the environment, else the time of the last commit, else that
#     of CMakeLists.txt (a source archive keeps its files' times). rcc stores the files'
#     times in the Qt resources, CPack the members' times in the packages, and a
#     Windows linker its own time in the program's header;
#   - CPack packs the files with that time (cpack-options.cmake), each archive in a
#     fixed order; the installer keeps no file's time (windows-installer.cmake).

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ZORVEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
            OUTPUT_VARIABLE ZORVEL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(NOT ZORVEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt ZORVEL_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
endif()

# The folders as the compiler sees them, in what is built for release (a debugger keeps
# finding the sources of a debug build): the build folder (inside the checkout or not)
# last, so that it wins where both match.
add_compile_options("$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.;-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")

# Commands that the build runs (rcc among them) get the time from the environment.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZORVEL_SOURCE_DATE_EPOCH}")

if(WIN32)
    # The PE header's time stamp: none, rather than the link's time.
    add_link_options(-Wl,--no-insert-timestamp)
endif()

set(CPACK_ZORVEL_SOURCE_DATE_EPOCH ${ZORVEL_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack-options.cmake)
