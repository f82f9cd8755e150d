# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Draws every generated picture and icon again into OUTPUT and compares each with
# the committed file of the same name under SOURCE (see compare_generated.cpp for
# what must match exactly and what within a tolerance). Both programs start through
# LAUNCHER, the test programs' launcher.
# Usage: cmake -DLAUNCHER=... -DGENERATOR=... -DCOMPARER=... -DSOURCE=... -DOUTPUT=... -P compare_generated.cmake
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${LAUNCHER} ${GENERATOR} ${SOURCE} ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the generator failed: ${failed}")
endif()
execute_process(COMMAND ${LAUNCHER} ${COMPARER} ${SOURCE} ${OUTPUT} RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "the committed generated files differ from what their sources give")
endif()
