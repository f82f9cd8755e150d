// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/application_icon.h"

#include "assets/program_resources.h"

#include <QPixmap>

namespace zorvel {

QIcon applicationIcon() {
    QIcon icon;
    for (const QImage& image : resources::windowIconImages())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace zorvel
