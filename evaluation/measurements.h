// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "failure.h"

#include <string>
#include <string_view>

// Weight and height texts to the body-mass index and the normal-weight band.
namespace zorvel {

// The band of normal weight, in kilograms per square metre.
inline constexpr double lowestBandFactor = 18.5;
inline constexpr double highestBandFactor = 24.9;

// Turns every "." into ",". People type a decimal point as often as a comma, and a
// point would otherwise read as digit grouping ("1.8" as 18). Both boxes show the
// rewritten text.
std::string withDecimalCommas(std::string_view text);

// The height in metres. A text whose value, rounded to an integer, is greater than
// 10 is in centimetres ("175"); otherwise it is already in metres ("1,75", and
// "10" is ten metres). Fails for a text that is not a number or not a 16-bit
// integer once rounded. A zero or negative height is rejected by indice().
Result<double> altezzaM(std::string_view heightText);

// The body-mass index truncated (not rounded) to two decimals:
// trunc(((weight / altezzaM) / altezzaM) * 100) / 100, in exactly that order.
// Fails for a weight that is not a number, a weight or height that is not greater
// than zero, and a result too large to represent.
Result<double> indice(std::string_view weightText, double altezzaM);

// Which text is to blame for an index too large to show: only a height below a
// metre can blow up a plausible weight.
Failure indexTooLarge(double altezzaM);

// One end of the normal band, found in two steps as the window shows them: first
// factor * altezzaM, written as text; then that text read back, multiplied by
// altezzaM again and truncated to two decimals.
std::string normalBoundFirstStep(double factor, double altezzaM);
Result<double> normalBoundFromFirstStep(std::string_view firstStepText, double altezzaM);

} // namespace zorvel
