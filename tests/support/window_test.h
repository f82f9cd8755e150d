// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"
#include "modal_watchdog.h"

#include "window/main_window.h"

#include <QObject>
#include <QtTest>

#include <memory>

// The base of the window's Qt Test classes: each test function gets the window made,
// shown and active afresh, finds its controls by design name, and fails when it
// leaves a dialog open.
class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = std::make_unique<zorvel::MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        const QStringList unexpected = watchdog_.takeUnexpected();
        window_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable("dialog left open: " + unexpected.join(" | ")));
    }

protected:
    template <typename Widget = QWidget>
    Widget* control(const char* name) const {
        return ::control<Widget>(*window_, name);
    }

    std::unique_ptr<zorvel::MainWindow> window_;
    ModalWatchdog watchdog_;
};
