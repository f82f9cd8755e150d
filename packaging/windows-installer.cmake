# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The installer, Zorvel-<version>-setup-x64.exe, made by CPack's NSIS generator with
# Debian's makensis from the same files as the .zip. It installs for all users into
# Program Files\Zorvel, in Italian, with a Start-menu shortcut "Zorvel" and an entry in
# Apps and Features; /S installs and uninstalls silently, and installing again first
# removes the earlier installation, so there is one entry.

# CPack's own NSIS script makes a 32-bit installer, which a 64-bit-only Windows (or Wine)
# cannot run. Zorvel's copy, found before CPack's through CMAKE_MODULE_PATH, differs in
# what this table says: each change is the text of CPack's script and what replaces it.
set(template_source ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
set(template_folder ${CMAKE_CURRENT_BINARY_DIR}/nsis)
file(READ ${template_source} template)
function(change_template from to)
    string(FIND "${template}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${template_source} no longer says: ${from}")
    endif()
    string(REPLACE "${from}" "${to}" changed "${template}")
    set(template "${changed}" PARENT_SCOPE)
endfunction()
# The 64-bit stubs of Debian's nsis, named right after the first line (the byte-order mark
# must stay first).
change_template("; CPack install script designed for a nmake build\n"
    "; CPack install script designed for a nmake build\nTarget amd64-unicode\n")
# Italian alone, rather than the language of the user's Windows among 64.
string(REGEX REPLACE "  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"\n" "" template "${template}")
change_template("  !insertmacro MUI_LANGUAGE \"English\" ;first language is the default language\n"
    "  !insertmacro MUI_LANGUAGE \"Italian\"\n")
change_template("is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?"
    "è già installato. $\\n$\\nDisinstallare la versione precedente prima di installare quella nuova?")
change_template("\"Uninstall failed.\"" "\"Disinstallazione non riuscita.\"")
change_template("\\Uninstall.lnk\"" "\\Disinstalla Zorvel.lnk\"")
# Nothing of Zorvel stays in the registry: the publisher's key goes too once empty.
change_template(
    "  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\"\n"
    "  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\"\n  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\"\n")
file(WRITE ${template_folder}/NSIS.template.in "${template}")
list(PREPEND CMAKE_MODULE_PATH ${template_folder})

set(CPACK_ZORVEL_INSTALLER_FILE_NAME Zorvel-${ZORVEL_VERSION_TEXT}-setup-x64)
set(CPACK_NSIS_PACKAGE_NAME Zorvel)
set(CPACK_NSIS_DISPLAY_NAME Zorvel)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zorvel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zorvel)
set(CPACK_PACKAGE_EXECUTABLES Zorvel Zorvel)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME Zorvel.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/icon/zorvel.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/icon/zorvel.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)

# What Apps and Features shows beyond CPack's entry: the size (measured once installed,
# in KiB) and the command that uninstalls without asking.
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}")
# CPack writes these NSIS lines into its configuration as they are. The installer keeps
# no file's time (the files get the time they are installed), which would otherwise
# include that of a settings file CPack writes as it packs.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_NSIS_DEFINES "!include FileFunc.nsh\nSetDateSave off")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  \${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"EstimatedSize\" $0
  WriteRegStr SHCTX \"${uninstall_key}\" \"QuietUninstallString\" '\"$INSTDIR\\Uninstall.exe\" /S'")
