#pragma once

#include <QIcon>

namespace zorvel {

// The program's icon: the nine images of the icon file, largest first, as the
// window and the task switcher show them.
QIcon applicationIcon();

} // namespace zorvel
