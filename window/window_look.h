// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_design.h"

#include <span>

class QColor;
class QWidget;

// The window's own design, whatever the desktop's theme or a style sheet set for
// every program: its designed palette, fonts and boxes, its hints in its own font and colours,
// and the colours of the controls that carry a result.
namespace zorvel {

// Gives `window` its designed palette; call before its controls are built, so that
// they take it.
void useDesignedPalette(QWidget& window);

// Keeps, from now on, the look of `window` once the controls of `design` are built:
//  - A hint is a window of its own and would take the desktop's tool-tip look: under
//    a dark theme, a dark box over the light window; under the Windows style, the
//    system theme's. A theme can change it at any
//    time, so it is set again, where it differs, just before each hint of the window
//    shows.
//  - While a style sheet is set for every program, the window restates its whole
//    design (colours, fonts, borders, paddings, the frames' captions) for itself and
//    each control in style sheets of its own, which Qt prefers to the application's. Without one nothing is restated
//    and the style draws them. A sheet set, changed or removed while the window is open is met the same way.
void keepWindowLook(QWidget& window, std::span<const ControlDesign> design);

// Keeps a result control's new background, as the calculation has just written it.
void keepBackground(QWidget& control, const QColor& background);

} // namespace zorvel
