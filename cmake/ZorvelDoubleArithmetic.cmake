# SPDX-FileCopyrightText: 2026 The Zorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Zorvel::double_arithmetic: IEEE double arithmetic, each operation rounded once to a
# double, on every processor a compiler builds for, so that a press shows the same texts
# everywhere: an index truncated to hundredths turns on the last bit of a product. The
# evaluation links it publicly, so that everything computing with it (the window, the
# tests and their independent model) is compiled alike, and every program linking it is
# linked with what its processor needs.
add_library(zorvel_double_arithmetic INTERFACE)
add_library(Zorvel::double_arithmetic ALIAS zorvel_double_arithmetic)

# No fused multiply-add. GCC's C++ (-ffp-contract=fast, in ISO mode too) and Clang
# (-ffp-contract=on) may compute a * b + c with one rounding instead of two where the
# processor has the instruction: arm64, ppc64el and s390x, not amd64's baseline. The
# marker, (indice - L) * ((scalaFine - scalaInizio) / (R - L)) + scalaInizio, is such a
# sum: fused, it can end a step of a float away on those processors only. It is the one
# multiply feeding an add today, but any formula added later gets the same guarantee.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(zorvel_double_arithmetic INTERFACE -ffp-contract=off)
endif()

# x87 (i386 as Debian builds it: i686, no SSE2) computes doubles in 80-bit registers,
# which C++ allows (FLT_EVAL_METHOD 2): a product kept wider than a double truncates to
# another hundredth (49,8 * 2 * 100 meets 9959,99... rather than 9960). Two things
# make it compute as a double does:
# - The precision control set to 53 bits, the double's mantissa, when the program
#   starts (GCC's -mpc64 links crtprec64.o, which does it). x87 then rounds each result
#   once to a double's mantissa. Rounding only when a value is stored (-ffloat-store
#   alone) rounds twice, to 64 bits and then to 53, which for a product or a quotient is
#   not always one rounding to 53: 212,9721 kg at 1,1 m then shows the index 176,01 for
#   176. GCC 12 has no -fexcess-precision=standard for C++, and that would round twice
#   too. SSE2 arithmetic is not Debian i386's baseline.
# - The exponent range of a double: 53-bit x87 registers still hold numbers beyond the
#   double's range, so a product that would overflow to infinity stays finite in a
#   register. -ffloat-store stores every named variable as a double; the evaluation
#   names each intermediate result whose range it checks. Below the range, the results
#   are truncated to hundredths, which makes every such number zero on every processor.
# The precision control is the process's: Qt's own doubles then round as SSE2's do too,
# and only x87 long double arithmetic, which Zorvel has none of, loses precision.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([[
#if __FLT_EVAL_METHOD__ != 0 && __FLT_EVAL_METHOD__ != 1
#error doubles are computed in a wider format
#endif
int main() { return 0; }
]] ZORVEL_DOUBLES_COMPUTED_AS_DOUBLES)
if(NOT ZORVEL_DOUBLES_COMPUTED_AS_DOUBLES)
    include(CheckLinkerFlag)
    check_linker_flag(CXX -mpc64 ZORVEL_LINKER_SETS_DOUBLE_PRECISION)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU" OR NOT ZORVEL_LINKER_SETS_DOUBLE_PRECISION)
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER_ID} computes doubles in a wider format here, and "
            "only GCC's -mpc64 and -ffloat-store make that give the same results as elsewhere. "
            "Build with GCC, or with SSE2 arithmetic (-msse2 -mfpmath=sse in CMAKE_CXX_FLAGS).")
    endif()
    target_compile_options(zorvel_double_arithmetic INTERFACE -ffloat-store)
    target_link_options(zorvel_double_arithmetic INTERFACE -mpc64)
endif()
