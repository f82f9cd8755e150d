// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

namespace zorvel {

// A caption that always shows its whole text inside its box: in its own font when the
// text fits, otherwise in a smaller font down to a legible minimum, and below that
// shortened with "…" (a number in its digits, keeping its decimal comma and its
// exponent), the whole text then shown as its tool tip.
// text(), and with it the name a screen reader reads, is always the whole text, so
// whoever reads the caption back reads what was written.
class FittingLabel : public QLabel {
    Q_OBJECT

public:
    // Space kept clear between the text and each side of its box, in logical pixels.
    static constexpr int margin = 2;
    // The smallest font a shrunk text is drawn in. At 6 points the digits are 5 pixels
    // high and their antialiased strokes too faint to read on the coloured boxes.
    static constexpr double minimumPointSize = 7.0;
    // Only for the shortest form of a number (first digit, "…", exponent) in a narrow box.
    static constexpr double lastResortPointSize = 5.0;

    struct Fit {
        QFont font;
        QString text; // the whole text, or the text shortened with "…"
    };

    explicit FittingLabel(QWidget* parent = nullptr);

    // How the text is drawn at the label's present size and font.
    Fit fit() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
};

} // namespace zorvel
