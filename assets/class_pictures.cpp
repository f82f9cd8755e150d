// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/class_pictures.h"

#include "assets/program_resources.h"

namespace zorvel {

namespace {
constexpr int firstPictureId = 100;
}

int classPictureId(std::optional<int> categoria) { return firstPictureId + categoria.value_or(0); }

std::optional<QImage> loadClassPicture(std::optional<int> categoria) {
    // Every call decodes a new image from the program's own bytes.
    return resources::bitmap(classPictureId(categoria));
}

} // namespace zorvel
