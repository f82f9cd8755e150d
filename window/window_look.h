// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The window's own design, whatever the desktop's theme or a style sheet set for
// every program (by -stylesheet, or desktop-wide by a platform theme): no such sheet
// reaches the program, so the window, its message and its hints look as without one.
namespace zorvel {

// Removes a style sheet set for every program and gives `window` its designed
// palette; call before its controls are built, so that they take the palette and
// never meet the sheet.
void useDesignedLook(QWidget& window);

// Keeps, from now on, the look `window` has once its controls are built:
//  - A sheet set while the program runs is removed at once, and what Qt leaves of it
//    put back: the sizes its min-width and min-height forced, the properties its
//    qproperty- rules set.
//  - A hint is a window of its own and would take the desktop's tool-tip look: under
//    a dark theme, a dark box over the light window; under the Windows style, the
//    system theme's. A theme can change it at any time, so it is set again, where it
//    differs, just before each hint of the window shows.
void keepWindowLook(QWidget& window);

} // namespace zorvel
