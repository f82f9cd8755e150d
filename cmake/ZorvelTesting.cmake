# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# zorvel_add_test(<kind> <name> COMMAND <command> [<argument>...]
#                 [ENVIRONMENT <variable=value>...] [PROPERTIES <property> <value>...])
#
# Registers the test <kind>.<name> with the label <kind>, so that every test's name
# says what it checks and `ctest -L <kind>` runs one kind alone. Every test is
# registered here, so that each gets the environment below and the launcher. The kinds are
# evaluation, processors, assets, window, desktop, robustness, fuzz and style.
#
# Every test runs without the variables a user's desktop sets to scale the screen,
# change the font resolution or pick a style or platform theme: the tests that need
# a scale set it themselves, and a result must not depend on the machine's desktop.
set(ZORVEL_TEST_UNSET_VARIABLES
    QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_AUTO_SCREEN_SCALE_FACTOR
    QT_SCALE_FACTOR_ROUNDING_POLICY QT_FONT_DPI QT_USE_PHYSICAL_DPI QT_DEVICE_PIXEL_RATIO
    QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION
    KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID)
list(TRANSFORM ZORVEL_TEST_UNSET_VARIABLES APPEND "=unset:")

# Test programs start through ZORVEL_TEST_LAUNCHER (the generated-file comparison hands
# it on to the programs it runs): natively, or on the emulated processor that
# ZORVEL_TEST_CPU names, as the cpu-* test presets set it; a cross build keeps the
# emulator its toolchain names. CMake 3.29 has CMAKE_TEST_LAUNCHER for this. Older
# versions take CMAKE_CROSSCOMPILING_EMULATOR in a native build too, which 3.29 and later
# honour only when cross-compiling (policy CMP0158): the test window.processor fails if
# the presets' tests run natively.
if(CMAKE_CROSSCOMPILING)
    set(ZORVEL_TEST_LAUNCHER ${CMAKE_CROSSCOMPILING_EMULATOR})
else()
    set(ZORVEL_TEST_LAUNCHER ${CMAKE_CURRENT_LIST_DIR}/on_test_cpu.sh)
    if(CMAKE_VERSION VERSION_GREATER_EQUAL 3.29)
        set(CMAKE_TEST_LAUNCHER ${ZORVEL_TEST_LAUNCHER})
    else()
        set(CMAKE_CROSSCOMPILING_EMULATOR ${ZORVEL_TEST_LAUNCHER})
    endif()
endif()

# The Windows build's tests run under Wine (CMAKE_CROSSCOMPILING_EMULATOR), which
# finds Qt's DLLs and the MinGW-w64 runtime by WINEPATH, a list of Windows paths.
set(ZORVEL_TEST_EMULATOR_ENVIRONMENT)
if(WIN32 AND CMAKE_CROSSCOMPILING)
    include(ZorvelWindowsRuntime)
    list(APPEND ZORVEL_TEST_EMULATOR_ENVIRONMENT "WINEPATH=unset:" "WINEDEBUG=set:-all")
    foreach(folder IN LISTS ZORVEL_WINDOWS_DLL_DIRS)
        list(APPEND ZORVEL_TEST_EMULATOR_ENVIRONMENT "WINEPATH=cmake_list_append:Z:${folder}")
    endforeach()
endif()

function(zorvel_add_test kind name)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "COMMAND;ENVIRONMENT;PROPERTIES")
    if(NOT arg_COMMAND OR arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "zorvel_add_test(${kind} ${name}): expected COMMAND, ENVIRONMENT "
                            "and PROPERTIES, got: ${ARGN}")
    endif()
    set(test ${kind}.${name})
    add_test(NAME ${test} COMMAND ${arg_COMMAND})
    set_tests_properties(${test} PROPERTIES LABELS ${kind} ${arg_PROPERTIES})
    # Applied in order, so a test may still set one of the cleared variables itself.
    set(environment ${ZORVEL_TEST_UNSET_VARIABLES} ${ZORVEL_TEST_EMULATOR_ENVIRONMENT})
    foreach(setting IN LISTS arg_ENVIRONMENT)
        string(FIND "${setting}" "=" equals)
        string(SUBSTRING "${setting}" 0 ${equals} variable)
        math(EXPR value_start "${equals} + 1")
        string(SUBSTRING "${setting}" ${value_start} -1 value)
        list(APPEND environment "${variable}=set:${value}")
    endforeach()
    set_property(TEST ${test} PROPERTY ENVIRONMENT_MODIFICATION ${environment})
endfunction()
