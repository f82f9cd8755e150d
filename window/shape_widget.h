// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

namespace zorvel {

// A rectangle with a one-pixel outline in the window-text colour, filled with a solid
// colour or left unfilled so that whatever lies behind shows through.
class ShapeWidget : public QWidget {
    Q_OBJECT

public:
    explicit ShapeWidget(std::optional<QColor> fill, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> fill_;
};

} // namespace zorvel
