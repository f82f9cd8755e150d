// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>

#include <optional>

// The pictures the program carries, read from wherever its platform keeps them: on
// Windows the executable's own resources (bitmaps by id, the icon group), elsewhere
// Qt's resource system. Both hold the bytes uncompressed, decoded in place by Qt's
// bitmap reader. The build picks one of the two implementations.
namespace zorvel::resources {

// The bitmap with the numeric id `id`, a new image every call; nothing where the
// program has no bitmap of that id.
std::optional<QImage> bitmap(int id);

// The window icon's images, each size once.
QList<QImage> windowIconImages();

} // namespace zorvel::resources
