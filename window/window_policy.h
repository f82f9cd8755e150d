// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace zorvel {

// What the window manager is asked for the window and what the window refuses: a
// framed dialog without minimise and maximise buttons that stays above other windows,
// centred on the screen by its frame as the window manager announces it, never kept
// minimised, maximised or full screen, and given the keyboard back after a message.
class WindowPolicy : public QObject {
public:
    // Sets `window`'s frame and watches it; call before it is first shown. Owned by
    // `window`.
    explicit WindowPolicy(QWidget& window);

    // Asks for the keyboard back, as a message of the window closes: some window
    // managers then give it to no window, or to another program's.
    void takeKeyboardBack();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refuses(QRect clientArea) const;
    void centreInAnnouncedFrame();
    void centreOnScreen(QMargins frame);
    QPoint clientPositionCentredIn(QMargins frame) const;

    QWidget& window_;
    // The frame the window was last centred by, and where that put it.
    std::optional<QMargins> centredBy_;
    QRect placed_;
    // What lets the window manager go once Qt has mapped the window, while it waits.
    std::function<void()> letWindowManagerGo_;
};

} // namespace zorvel
