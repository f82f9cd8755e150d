// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPalette>

class QWidget;

namespace zorvel {

// The hints of `window`'s controls shown in its own font and colours. A tool tip is
// a window of its own and would take the desktop's: under a dark theme, a dark box
// over the light window. A theme can change them at any time, so they are set again,
// where they differ, just before each hint shows.
void showToolTipsInLook(QWidget& window, const QPalette& palette, const QFont& font);

} // namespace zorvel
