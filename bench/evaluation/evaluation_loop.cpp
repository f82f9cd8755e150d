// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A fixed number of whole evaluations and nothing else, for counting instructions
// with callgrind, which repeats exactly where timings on a shared machine do not:
//   valgrind --tool=callgrind zorvel_evaluation_loop 100000
//   valgrind --tool=callgrind zorvel_evaluation_loop 0
// The difference of the two totals, divided by 100000, is the cost of one evaluation.
#include "typed_texts.h"

#include "recorded_press.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    // Sums what was written, so that no evaluation can be left out.
    double sum = 0;
    for (long i = 0; i < count; ++i) {
        const auto& [weight, height] = typedTexts[static_cast<std::size_t>(i) % typedTexts.size()];
        const auto result = zorvel::evaluate(weight, height);
        sum += result.markerX.value_or(0) + static_cast<double>(result.indiceText.size() + result.lowest.text.size());
    }
    std::printf("%.1f\n", sum);
    return 0;
}
