// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace zorvel::fuzz {

// The input as a C string literal would write it, so that a failure report can be
// pasted into a test.
inline std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out + '"';
}

// A property that does not hold is a fault: say which and with what, then stop, so
// that the fuzzer keeps the input as a crash file and the corpus replay fails.
inline void expect(bool holds, std::string_view property, std::string_view input, const std::string& got = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %.*s\ninput: %s\n", static_cast<int>(property.size()), property.data(),
                 quoted(input).c_str());
    if (!got.empty())
        std::fprintf(stderr, "got: %s\n", got.c_str());
    std::abort();
}

} // namespace zorvel::fuzz
