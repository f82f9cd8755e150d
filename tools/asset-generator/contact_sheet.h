// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <vector>

namespace zorvel::generator {

// One picture for docs/development.md: the nine class pictures in order, each stretched to
// the box the window shows it in (at twice the size), then the application icon.
QImage contactSheet(const std::vector<QImage>& classPictures, const QImage& icon);

} // namespace zorvel::generator
