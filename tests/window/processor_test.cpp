// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The processor the tests run on: the one ZORVEL_TEST_CPU names (the cpu-* presets), so
// that pixel tests which quietly ran natively, their launcher lost, fail here. It prints
// the features that choose Qt's pixel code, and checks them where the model is known.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

int main() {
    using Features = std::array<bool, 3>; // SSE4.1, SSE4.2, AVX
    constexpr std::pair<std::string_view, Features> knownModels[] = {{"qemu64", {false, false, false}},
                                                                     {"Nehalem", {true, true, false}}};
    __builtin_cpu_init();
    const Features running{__builtin_cpu_supports("sse4.1") != 0, __builtin_cpu_supports("sse4.2") != 0,
                           __builtin_cpu_supports("avx") != 0};
    const char* wanted = std::getenv("ZORVEL_TEST_CPU");
    std::printf("running with SSE4.1 %d, SSE4.2 %d, AVX %d; ZORVEL_TEST_CPU=%s\n", running[0], running[1], running[2],
                wanted ? wanted : "");
    for (const auto& [name, features] : knownModels) {
        if (wanted && name == wanted && features != running) {
            std::printf("FAIL: not the features of %s: the test did not run on the emulated processor\n", wanted);
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
