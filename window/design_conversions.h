// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_design.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include <span>
#include <string_view>

// The design's values as Qt takes them: texts, lengths, colours, fonts, the palette.
namespace zorvel {

// A UTF-8 text of the design or the evaluation for a widget.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Twips to logical pixels, to the nearest pixel.
int twipsToPixels(int twips);

QColor toQColor(Colour colour);

// The designed face where it is installed, otherwise the fallback, at the designed
// size and weight.
QFont designFont(FontDesign font);

// The window's palette: its system colours, whatever the desktop's theme.
QPalette designPalette(std::span<const SystemColourDesign> colours);

} // namespace zorvel
