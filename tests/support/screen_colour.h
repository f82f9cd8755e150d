// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculation_model.h"

#include <QColor>

#include <cstdint>

// A colour of the class table (0x00BBGGRR, red in the low byte) as the screen shows
// it, worked out here rather than by the window's own conversion.
inline QColor screenColour(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// The colour of row `number` (0 to 10) of the tests' class table, as the screen shows it.
inline QColor classColour(int number) { return screenColour(zorvel::model::classes[number].colour); }
