// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>
#include <utility>

// Weights and heights as people type them: centimetres and metres, commas and points.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 8> typedTexts{{
    {"70", "175"},
    {"72,25", "1,70"},
    {"58,4", "162"},
    {"101.3", "1.88"},
    {"45", "1,58"},
    {"88,5", "180"},
    {"130", "1,65"},
    {"63.2", "171"},
}};
