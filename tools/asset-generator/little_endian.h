// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <cstdint>

namespace zorvel::generator {

// Windows file formats store every number least significant byte first.
inline void appendU8(QByteArray& out, std::uint8_t value) { out.append(static_cast<char>(value)); }

inline void appendU16(QByteArray& out, std::uint16_t value) {
    appendU8(out, static_cast<std::uint8_t>(value & 0xFF));
    appendU8(out, static_cast<std::uint8_t>(value >> 8));
}

inline void appendU32(QByteArray& out, std::uint32_t value) {
    appendU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    appendU16(out, static_cast<std::uint16_t>(value >> 16));
}

inline void appendI32(QByteArray& out, std::int32_t value) { appendU32(out, static_cast<std::uint32_t>(value)); }

} // namespace zorvel::generator
