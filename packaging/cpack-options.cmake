# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Read by cpack for each package it makes (the Windows .zip and installer). CPack dates
# the archive members with SOURCE_DATE_EPOCH when it is set: the build's time,
# unless the caller gives one.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_ZORVEL_SOURCE_DATE_EPOCH})
endif()

# The installer and the .zip come from one set of files: the installer has its own name,
# and puts the files straight into the folder the user installs into.
if(CPACK_GENERATOR STREQUAL "NSIS" AND CPACK_ZORVEL_INSTALLER_FILE_NAME)
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_ZORVEL_INSTALLER_FILE_NAME})
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
