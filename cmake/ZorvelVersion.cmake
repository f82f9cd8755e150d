# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The version is typed once, in project(VERSION ...), and the licence, the
# copyright holder and the application's id (the name of the desktop entry, the
# metainfo and the icon, and the name the program gives its windows) here. The header the program reads, the Windows version record
# and the AppStream metainfo are written from them, into ${ZORVEL_GENERATED_DIR};
# the Debian package's copyright file and the Windows notices take them too.
#
# The program and the version record show the version as major.minor with two
# digits after the point ("1.00"); the version record's fixed part takes the four
# numbers and the AppStream release the first three.

set(ZORVEL_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)

# An SPDX licence expression; LICENSES/ holds its text.
set(ZORVEL_LICENSE GPL-3.0-or-later)
set(ZORVEL_COPYRIGHT "2026 The Zorvel developers")
set(ZORVEL_APP_ID io.zorvel.Zorvel)

# Numbers left out of project(VERSION) count as 0.
foreach(part IN ITEMS MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
        set(PROJECT_VERSION_${part} 0)
    endif()
endforeach()
if(PROJECT_VERSION_MINOR GREATER 99)
    message(FATAL_ERROR "the minor version is shown with two digits: ${PROJECT_VERSION_MINOR} is too large")
endif()
set(minor_two_digits "0${PROJECT_VERSION_MINOR}")
string(LENGTH "${minor_two_digits}" length)
math(EXPR start "${length} - 2")
string(SUBSTRING "${minor_two_digits}" ${start} 2 minor_two_digits)
set(ZORVEL_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor_two_digits}")
set(ZORVEL_RELEASE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")

foreach(file IN ITEMS
        assets/version.h
        packaging/windows/version_record.rc
        packaging/io.zorvel.Zorvel.metainfo.xml)
    configure_file(${PROJECT_SOURCE_DIR}/${file}.in ${ZORVEL_GENERATED_DIR}/${file} @ONLY)
endforeach()
