// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The processor the tests run on: the one ZORVEL_TEST_CPU names (the cpu-* presets), so
// that pixel tests which quietly ran natively, their launcher lost, fail here. It prints
// the features that choose Qt's pixel code, and checks them where the model is known.
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

struct Features {
    bool sse41;
    bool sse42;
    bool avx;
    bool operator==(const Features&) const = default;
};

struct KnownModel {
    std::string_view name;
    Features features;
};

constexpr KnownModel knownModels[] = {
    {"qemu64", {false, false, false}},
    {"Nehalem", {true, true, false}},
};

} // namespace

int main() {
    __builtin_cpu_init();
    const Features running{__builtin_cpu_supports("sse4.1") != 0, __builtin_cpu_supports("sse4.2") != 0,
                           __builtin_cpu_supports("avx") != 0};
    const char* wanted = std::getenv("ZORVEL_TEST_CPU");
    std::printf("running with SSE4.1 %d, SSE4.2 %d, AVX %d; ZORVEL_TEST_CPU=%s\n", running.sse41, running.sse42,
                running.avx, wanted ? wanted : "");
    for (const KnownModel& model : knownModels) {
        if (wanted && model.name == wanted && !(model.features == running)) {
            std::printf("FAIL: not the features of %s: the test did not run on the emulated processor\n", wanted);
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
