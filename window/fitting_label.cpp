// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fitting_label.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace zorvel {
namespace {

// Fine enough that a text barely too wide loses no more than it must.
constexpr double pointSizeStep = 0.25;

// Shortens a text too wide for `available` pixels with "…". A number is shortened in
// its digits only, so that it still tells its size: at least its first digit, then
// "…", then what must stay whole, the exponent ("3,26…E+16") or else the decimal comma
// and the decimals ("403…,89"). Only where even that is too wide do the decimals lose
// their end ("0,0022…"), the comma kept. Any other text loses its middle.
QString shortened(const QString& text, const QFontMetrics& metrics, int available) {
    static const QRegularExpression number(QStringLiteral("^(-?[0-9]+)(,[0-9]+)?(E[+-][0-9]+)?$"));
    const QRegularExpressionMatch parts = number.match(text);
    if (!parts.hasMatch() || (parts.capturedLength(2) == 0 && parts.capturedLength(3) == 0)) {
        return metrics.elidedText(text, Qt::ElideMiddle, available);
    }
    // From the most kept to the least: beginnings of `head` that end in a digit and
    // keep at least `minimum` characters, each followed by "…" and `tail`.
    QStringList candidates;
    const auto addBeginnings = [&candidates](const QString& head, qsizetype minimum, const QString& tail) {
        for (qsizetype kept = head.size() - 1; kept >= minimum; --kept) {
            if (head[kept - 1].isDigit()) {
                candidates.append(head.first(kept) + QChar(0x2026) + tail);
            }
        }
    };
    const bool scientific = parts.capturedLength(3) > 0;
    const qsizetype tailStart = parts.capturedStart(scientific ? 3 : 2);
    addBeginnings(text.first(tailStart), text.startsWith(QLatin1Char('-')) ? 2 : 1, text.sliced(tailStart));
    if (!scientific) {
        addBeginnings(text, parts.capturedStart(2) + 2, QString());
    }
    const auto fitting = std::ranges::find_if(
        candidates, [&](const QString& candidate) { return metrics.horizontalAdvance(candidate) <= available; });
    if (fitting != candidates.end()) {
        return *fitting;
    }
    return candidates.isEmpty() ? text : candidates.last();
}

} // namespace

FittingLabel::FittingLabel(QWidget* parent) : QLabel(parent) {}

// Where QLabel draws its text: inside the frame, and a framed label keeps half an
// "x" clear on the sides its text is aligned to.
QRect FittingLabel::textRect() const {
    QRect rect = contentsRect();
    const int indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), alignment());
    rect.adjust(aligned & Qt::AlignLeft ? indent : 0, aligned & Qt::AlignTop ? indent : 0,
                aligned & Qt::AlignRight ? -indent : 0, aligned & Qt::AlignBottom ? -indent : 0);
    return rect;
}

FittingLabel::Fit FittingLabel::fit() const {
    const int available = textRect().width() - 2 * margin;
    QFont font = this->font();
    const auto fits = [&](const QFont& candidate) {
        return QFontMetrics(candidate).horizontalAdvance(text()) <= available;
    };
    if (fits(font)) {
        return {font, text()};
    }
    for (double size = font.pointSizeF() - pointSizeStep; size > minimumPointSize - pointSizeStep / 2;
         size -= pointSizeStep) {
        font.setPointSizeF(std::max(size, minimumPointSize));
        if (fits(font)) {
            return {font, text()};
        }
    }
    // A number that cannot keep a digit, the "…" and its exponent or decimals even at
    // the legible minimum goes smaller still: small digits that say how large it is
    // beat legible ones that do not.
    QString shown = shortened(text(), QFontMetrics(font), available);
    while (QFontMetrics(font).horizontalAdvance(shown) > available && font.pointSizeF() > lastResortPointSize) {
        font.setPointSizeF(std::max(font.pointSizeF() - pointSizeStep, lastResortPointSize));
        shown = shortened(text(), QFontMetrics(font), available);
    }
    return {font, shown};
}

bool FittingLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && fit().text != text()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const Fit shown = fit();
    if (shown.font == font()) {
        // A text that fits looks exactly like any other caption.
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    // Aligned as designed, on the line the designed font would take, vertically
    // centred on it; fit() has kept the margins clear.
    QRect line = textRect();
    line.setHeight(fontMetrics().height());
    painter.setFont(shown.font);
    style()->drawItemText(&painter, line, (alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, palette(),
                          isEnabled(), shown.text, foregroundRole());
}

} // namespace zorvel
