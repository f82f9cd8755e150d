// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLineEdit;

namespace zorvel {

// A number copied from a spreadsheet cell or a terminal line ends with a line break,
// which a text box keeps out of sight and a number cannot hold. A text pasted into
// `box` (by keys, by its menu or by the middle button) loses its invisible ends;
// nothing else the box holds or is given changes.
void trimPastedText(QLineEdit& box);

} // namespace zorvel
