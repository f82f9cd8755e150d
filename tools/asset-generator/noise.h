// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace zorvel::generator {

// A small xorshift generator: the same starting value always gives the same
// grain, so regenerating the pictures reproduces them byte for byte.
class Noise {
public:
    explicit Noise(std::uint32_t start) : state_(start != 0 ? start : 0x6D2B79F5u) {}

    // A whole number from -spread to +spread.
    int next(int spread) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ % static_cast<std::uint32_t>(2 * spread + 1)) - spread;
    }

private:
    std::uint32_t state_;
};

} // namespace zorvel::generator
