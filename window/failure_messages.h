// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/failure.h"

#include <QString>

namespace zorvel {

// One Italian sentence that names the box at fault and says what to type there.
QString failureMessage(Failure failure);

} // namespace zorvel
