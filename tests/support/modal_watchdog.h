// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <utility>

// Closes modal dialogs that a test did not expect, and keeps their texts so that the
// test can fail. A dialog run with exec() would otherwise hang the test; one opened
// without blocking would leak into the next test.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog() {
        timer_.setInterval(1000);
        connect(&timer_, &QTimer::timeout, this, [this] {
            // A dialog seen on two ticks in a row is not being handled by the test.
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal == lastSeen_) {
                unexpected_ << closeOne(modal);
                modal = nullptr;
            }
            lastSeen_ = modal;
        });
        timer_.start();
    }

    // The text of the message box on top, closed; empty when none is open.
    static QString dismissMessage() {
        QWidget* modal = QApplication::activeModalWidget();
        return modal ? closeOne(modal) : QString();
    }

    // Closes whatever is still open and returns everything that was not expected.
    QStringList takeUnexpected() {
        while (QApplication::activeModalWidget()) {
            unexpected_ << closeOne(QApplication::activeModalWidget());
        }
        lastSeen_ = nullptr;
        return std::exchange(unexpected_, {});
    }

private:
    static QString closeOne(QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        const QString text = box ? box->text() : modal->windowTitle();
        modal->close();
        modal->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return text;
    }

    QTimer timer_;
    QWidget* lastSeen_ = nullptr;
    QStringList unexpected_;
};
