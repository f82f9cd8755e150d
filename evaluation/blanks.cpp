// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blanks.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zorvel {
namespace {

struct Blank {
    char32_t character;
    std::string_view utf8;
};

// A copied number often comes with a no-break space beside it.
constexpr std::array<Blank, 3> blanks{{{U' ', " "}, {U'\t', "\t"}, {U'\u00A0', "\xC2\xA0"}}};

struct CharacterRange {
    char32_t first;
    char32_t last;
};

// Unicode's control (Cc) and format (Cf) characters and its line (Zl) and paragraph
// (Zp) separators, in order.
constexpr std::array<CharacterRange, 23> invisibleRanges{{
    {U'\u0000', U'\u001F'},         {U'\u007F', U'\u009F'},         {U'\u00AD', U'\u00AD'},
    {U'\u0600', U'\u0605'},         {U'\u061C', U'\u061C'},         {U'\u06DD', U'\u06DD'},
    {U'\u070F', U'\u070F'},         {U'\u0890', U'\u0891'},         {U'\u08E2', U'\u08E2'},
    {U'\u180E', U'\u180E'},         {U'\u200B', U'\u200F'},         {U'\u2028', U'\u202E'},
    {U'\u2060', U'\u2064'},         {U'\u2066', U'\u206F'},         {U'\uFEFF', U'\uFEFF'},
    {U'\uFFF9', U'\uFFFB'},         {U'\U000110BD', U'\U000110BD'}, {U'\U000110CD', U'\U000110CD'},
    {U'\U00013430', U'\U0001343F'}, {U'\U0001BCA0', U'\U0001BCA3'}, {U'\U0001D173', U'\U0001D17A'},
    {U'\U000E0001', U'\U000E0001'}, {U'\U000E0020', U'\U000E007F'},
}};

} // namespace

bool isBlank(char32_t character) { return std::ranges::find(blanks, character, &Blank::character) != blanks.end(); }

bool isInvisible(char32_t character) {
    const auto range = std::ranges::lower_bound(invisibleRanges, character, {}, &CharacterRange::last);
    return range != invisibleRanges.end() && range->first <= character;
}

std::string_view withoutBlanksAround(std::string_view text) {
    const auto blankAtFront = [&text] {
        return std::ranges::find_if(blanks, [&text](const Blank& blank) { return text.starts_with(blank.utf8); });
    };
    const auto blankAtBack = [&text] {
        return std::ranges::find_if(blanks, [&text](const Blank& blank) { return text.ends_with(blank.utf8); });
    };
    for (auto blank = blankAtFront(); blank != blanks.end(); blank = blankAtFront()) {
        text.remove_prefix(blank->utf8.size());
    }
    for (auto blank = blankAtBack(); blank != blanks.end(); blank = blankAtBack()) {
        text.remove_suffix(blank->utf8.size());
    }
    return text;
}

std::u32string_view withoutInvisibleEnds(std::u32string_view text) {
    while (!text.empty() && isInvisible(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isInvisible(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace zorvel
