#pragma once

#include <QIcon>

namespace zorvel {

// The program's icon: the true-colour images of the icon file (48, 32 and 16
// pixels), as the window and the task switcher show them.
QIcon applicationIcon();

} // namespace zorvel
