// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <optional>

namespace zorvel {

// The resource id of a class's picture: 100 + class, an empty class counting as 0.
int classPictureId(std::optional<int> categoria);

// Loads the picture of a class afresh from the program's resources, every call a
// new image. An id without a bitmap (100 for an empty class, 110 and beyond) gives
// nothing, so the caller keeps whatever picture it shows.
std::optional<QImage> loadClassPicture(std::optional<int> categoria);

} // namespace zorvel
