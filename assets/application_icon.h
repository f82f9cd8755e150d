// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace zorvel {

// The program's icon as the window, its title bar and the task switcher show it: on
// Windows the true-colour images of the executable's icon group (48, 32 and 16 pixels), elsewhere
// the transparent hicolor pictures, 16 to 256 pixels.
QIcon applicationIcon();

} // namespace zorvel
