// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <random>
#include <span>
#include <string_view>
#include <utility>

// Texts of every kind a person (or a cat on the keyboard) might put into a box.
namespace zorvel::monkey {

using Noise = std::mt19937;

struct TextKind {
    std::string_view name;
    QString (*make)(Noise&); // null: leave the box as the last calculation left it
    int weight;              // how often it is drawn, relative to the other kinds
};

struct RandomText {
    std::string_view kind;
    std::optional<QString> text; // empty: leave the box as it is
};

// A text of a kind drawn by the kinds' weights.
RandomText randomText(Noise& noise);

// A weight and a height: mostly each of its own kind, sometimes a pair whose index
// lies on the upper limit of a class or a hundredth either side of it.
std::pair<RandomText, RandomText> randomTexts(Noise& noise);

} // namespace zorvel::monkey
