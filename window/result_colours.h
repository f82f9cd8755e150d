// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QColor;
class QWidget;

// The colours that carry the result: the class scale with its marker, the index box,
// the class name and the index's heading. A style sheet set for every program, by the
// user (-stylesheet) or desktop-wide, would paint over them; while one is set, each of
// these controls restates its colours in a style sheet of its own, which Qt prefers to
// the application's. Without one nothing is restated and the plain style draws them.
namespace zorvel {

// Keeps the colours the result controls of `form` have when it is built; called again,
// restates them, as an application style sheet set later needs.
void keepResultColours(QWidget& form);

// Keeps a result control's new background, as the calculation has just written it.
void keepBackground(QWidget& control, const QColor& background);

} // namespace zorvel
