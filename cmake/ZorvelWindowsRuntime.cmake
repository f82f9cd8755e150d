# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a program of the Windows build needs beside itself: Qt's DLLs and plugins,
# and the MinGW-w64 runtime of the compiler that built it (the C++ library, GCC's
# support library and the POSIX threads of the posix thread model).
#   ZORVEL_WINDOWS_QT_BIN        Qt's DLLs
#   ZORVEL_WINDOWS_QT_PLUGINS    Qt's plugins
#   ZORVEL_WINDOWS_RUNTIME_DLLS  the MinGW-w64 runtime, each DLL's full path
#   ZORVEL_WINDOWS_DLL_DIRS      the folders a test under Wine loads DLLs from

set(ZORVEL_WINDOWS_QT_BIN ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(ZORVEL_WINDOWS_QT_PLUGINS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})

set(ZORVEL_WINDOWS_RUNTIME_DLLS)
set(ZORVEL_WINDOWS_DLL_DIRS ${ZORVEL_WINDOWS_QT_BIN})
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler ${CMAKE_CXX_COMPILER} has no ${dll}")
    endif()
    list(APPEND ZORVEL_WINDOWS_RUNTIME_DLLS ${path})
    get_filename_component(folder ${path} DIRECTORY)
    list(APPEND ZORVEL_WINDOWS_DLL_DIRS ${folder})
endforeach()
list(REMOVE_DUPLICATES ZORVEL_WINDOWS_DLL_DIRS)
