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

// Shortens a text too wide for `available` pixels with "…". A number in scientific
// form keeps its exponent whole after as many leading digits as fit ("3…E+16"):
// without its "E" ("3,2…+16") it reads as another number.
QString shortened(const QString& text, const QFontMetrics& metrics, int available) {
    static const QRegularExpression exponent(QStringLiteral("E[+-][0-9]+$"));
    const QRegularExpressionMatch match = exponent.match(text);
    if (!match.hasMatch()) {
        return metrics.elidedText(text, Qt::ElideMiddle, available);
    }
    const QString kept = match.captured();
    // However narrow the box, the "…" stays, so the exponent never stands alone.
    const int room = std::max(available - metrics.horizontalAdvance(kept), metrics.horizontalAdvance(QChar(0x2026)));
    return metrics.elidedText(text.first(match.capturedStart()), Qt::ElideRight, room) + kept;
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
    return {font, shortened(text(), QFontMetrics(font), available)};
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
