# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program as a folder that a user unpacks and starts: Zorvel.exe, Qt's
# DLLs, the two plugins it loads (the windows platform and the windowsvista style, in
# the folders beside the program where Qt looks), Qt's Italian texts and the MinGW-w64
# runtime, with the notices of them all (windows-notices.cmake).
# `cmake --install` gathers them (the deploy step); CPack packs them into
# Zorvel-<version>-windows-x64.zip and the installer Zorvel-<version>-setup-x64.exe
# (windows-installer.cmake) in the build folder (the target "package").

include(ZorvelWindowsRuntime)

install(TARGETS zorvel RUNTIME DESTINATION .)

# Each DLL with the folder it goes to, beside the program.
set(shipped_dlls)
foreach(module IN ITEMS Core Gui Widgets)
    list(APPEND shipped_dlls ${ZORVEL_WINDOWS_QT_BIN}/Qt6${module}.dll .)
endforeach()
list(APPEND shipped_dlls ${ZORVEL_WINDOWS_QT_PLUGINS}/platforms/qwindows.dll platforms
                         ${ZORVEL_WINDOWS_QT_PLUGINS}/styles/qwindowsvistastyle.dll styles)
foreach(dll IN LISTS ZORVEL_WINDOWS_RUNTIME_DLLS)
    list(APPEND shipped_dlls ${dll} .)
endforeach()

set(shipped_files ${shipped_dlls})

# CPack strips the program; Qt's DLLs and the compiler's runtime come with debugging
# symbols that would more than double the folder, so they are stripped as they are copied.
while(shipped_dlls)
    list(POP_FRONT shipped_dlls dll folder)
    install(FILES ${dll} DESTINATION ${folder})
    get_filename_component(name ${dll} NAME)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${folder}/${name}\" COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endwhile()

# Qt's own texts in Italian (a text box's menu): Qt looks for them in "translations"
# beside its DLLs when they sit beside the program. They are Debian's: the Qt folder
# holds a copy of them for the tests.
set(italian_qt_texts /usr/share/qt6/translations/qtbase_it.qm)
install(FILES ${italian_qt_texts} DESTINATION translations)

# The notices of everything shipped beside the program.
include(windows-notices.cmake)
zorvel_windows_notices(${shipped_files} ${italian_qt_texts} translations)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Zorvel)
set(CPACK_PACKAGE_VENDOR "Zorvel")
set(CPACK_PACKAGE_VERSION ${ZORVEL_VERSION_TEXT})
set(CPACK_PACKAGE_FILE_NAME Zorvel-${ZORVEL_VERSION_TEXT}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)

include(windows-installer.cmake)
include(CPack)
