// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorvel {

// Qt's own texts the user meets, such as a text box's menu ("Incolla", "Seleziona
// tutto"), in Italian where Qt's translations are installed, and in Qt's English
// otherwise. Call once the application object exists.
void useItalianQtTexts();

} // namespace zorvel
