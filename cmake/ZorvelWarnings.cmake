# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Zorvel::warnings: the compiler warnings of the project's own code, in each
# compiler's terms. Every target of the project links it privately, so that nothing
# built from outside the project, and no user of its libraries, inherits them.
# Beyond the usual sets: a conversion that can change a value, a name that hides
# another, and a C cast, which says neither what it converts nor how.
# The dev, asan and windows presets make them errors (CMAKE_COMPILE_WARNING_AS_ERROR).
add_library(zorvel_warnings INTERFACE)
add_library(Zorvel::warnings ALIAS zorvel_warnings)
if(MSVC)
    # /W4 holds the conversions (C4244, C4267) and hidden names (C4456 to C4459); C
    # casts have no warning. C4242 and C4254, narrowing conversions, are off by default.
    target_compile_options(zorvel_warnings INTERFACE /W4 /w14242 /w14254)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(zorvel_warnings INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow
                                                     -Wold-style-cast)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        # Clang's -Wconversion also warns of a change of sign alone, which GCC's does
        # not for C++: both compilers ask the same.
        target_compile_options(zorvel_warnings INTERFACE -Wno-sign-conversion)
    endif()
endif()
