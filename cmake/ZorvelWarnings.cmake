# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Zorvel::warnings: the compiler warnings of the project's own code, in each
# compiler's terms. Every target of the project links it privately, so that nothing
# built from outside the project, and no user of its libraries, inherits them.
add_library(zorvel_warnings INTERFACE)
add_library(Zorvel::warnings ALIAS zorvel_warnings)
if(MSVC)
    target_compile_options(zorvel_warnings INTERFACE /W4)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(zorvel_warnings INTERFACE -Wall -Wextra -Wpedantic)
endif()
