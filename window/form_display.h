// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_builder.h"

#include "evaluation/evaluation.h"

class QLabel;
class QWidget;

namespace zorvel {

// The results of a press written into the window's controls, each as soon as the
// calculation has it.
class FormDisplay final : public Display {
public:
    // The controls of a built form, which outlive it.
    FormDisplay(const QWidget& form, const FormControls& controls);

    void rewriteBox(Box box, std::string_view text) override;
    void showIndice(std::string_view text) override;
    void showBandFirstStep(BandEnd end, std::string_view text) override;
    void showBand(BandEnd end, std::string_view text) override;
    void showClass(std::string_view leftBoundText, std::string_view rightBoundText, ClassColours colours) override;
    void moveMarker(float xTwips) override;
    void showClassName(std::string_view name) override;
    bool showClassPicture(int categoria) override;

private:
    QLabel& band(BandEnd end) const { return end == BandEnd::lowest ? *controls_.minP : *controls_.maxP; }

    const QWidget& form_;
    const FormControls& controls_;
};

} // namespace zorvel
