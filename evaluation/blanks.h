// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// What may stand around a number without being part of it, decided here alone.
// A copied number comes with such characters beside it: the blanks of a table's
// cell, the line break that ends a spreadsheet cell or a terminal line, the
// byte-order mark or zero-width space some programs add.
namespace zorvel {

// Blanks show as space: a space, a tab, a no-break space. The reader of numbers reads
// past them around a number.
bool isBlank(char32_t character);

// Invisible characters do not show in a text box at all: line breaks, tabs and the
// other control characters, format characters such as a zero-width space or a
// byte-order mark, line and paragraph separators. A text pasted into a box loses
// them at its ends; a blank that shows stays, for the reader to read past.
bool isInvisible(char32_t character);

// The UTF-8 text without the blanks around it.
std::string_view withoutBlanksAround(std::string_view text);

// The text without the invisible characters at its ends.
std::u32string_view withoutInvisibleEnds(std::u32string_view text);

} // namespace zorvel
