// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Resident memory over many presses of "Calcola" through the real widgets, good and
// bad inputs alternating, each failure message closed with Return or Esc as a user
// closes it. Prints the resident set at the start, after the first 1,000 presses, the
// middle and the end, and the growth from the 1,000th press on: memory that keeps
// growing shows as a rising middle and end. Not a test: run it and read it.
//
//     soak_benchmark [calculations [good|bad]]   (30000, alternating, unless given)
#include "window/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

struct Inputs {
    const char* weight;
    const char* height;
};

// Good ones succeed, bad ones fail on each box and for each reason the message names.
constexpr Inputs goodInputs[] = {{"70", "175"}, {"55", "190"}, {"170", "1,75"}, {"72.5", "1.78"}};
constexpr Inputs badInputs[] = {{"abc", "175"}, {"70", "0"}, {"-70", "175"}, {"70", "alto"}, {"1E400", "175"}};

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

template <typename Widget>
Widget* control(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(2);
    }
    return widget;
}

// Lets the window repaint and Qt delete what it was asked to delete.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// Presses after which memory should no longer grow: whatever a first use loads is loaded.
constexpr int warmedUp = 1000;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int calculations = argc > 1 ? std::atoi(argv[1]) : 30000;
    // Only good or only bad inputs tell which of the two any growth comes from.
    const QByteArray only = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    if (calculations <= warmedUp || (!only.isEmpty() && only != "good" && only != "bad")) {
        std::fprintf(stderr, "usage: soak_benchmark [calculations > %d [good|bad]]\n", warmedUp);
        return 2;
    }

    zorvel::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window did not show\n");
        return 2;
    }
    auto* peso = control<QLineEdit>(window, "peso");
    auto* altezza = control<QLineEdit>(window, "altezza");
    auto* command1 = control<QPushButton>(window, "Command1");

    // A few rounds first, so that the start figure includes what any first use loads.
    int failures = 0;
    auto calculate = [&](int round) {
        const bool good = only.isEmpty() ? round % 2 == 0 : only == "good";
        const Inputs& inputs =
            good ? goodInputs[(round / 2) % std::size(goodInputs)] : badInputs[(round / 2) % std::size(badInputs)];
        peso->setText(QString::fromLatin1(inputs.weight));
        altezza->setText(QString::fromLatin1(inputs.height));
        QTest::mouseClick(command1, Qt::LeftButton);
        settle();
        if (!good) {
            const QPointer<QWidget> message = QApplication::activeModalWidget();
            if (!qobject_cast<QMessageBox*>(message)) {
                std::fprintf(stderr, "round %d: no failure message for %s, %s\n", round, inputs.weight, inputs.height);
                std::exit(1);
            }
            // To the message's window, the way the window system delivers a key press:
            // sent to a widget directly, QTest's key events themselves cost memory.
            QTest::keyClick(message->windowHandle(), (round / 2) % 2 == 0 ? Qt::Key_Return : Qt::Key_Escape);
            settle();
            if (message && message->isVisible()) {
                std::fprintf(stderr, "round %d: the key did not close the message\n", round);
                std::exit(1);
            }
            ++failures;
        }
    };
    for (int round = 0; round < 20; ++round) {
        calculate(round);
    }
    const int failuresBefore = failures;

    std::printf("%d calculations, %s (%s platform), resident memory in MB:\n", calculations,
                only.isEmpty()   ? "good and bad alternating"
                : only == "good" ? "good only"
                                 : "bad only",
                qPrintable(QGuiApplication::platformName()));
    std::printf("  start  %7.1f\n", residentMegabytes());
    std::fflush(stdout);
    double warm = 0;
    for (int round = 0; round < calculations; ++round) {
        calculate(round);
        if (round == warmedUp - 1) {
            warm = residentMegabytes();
            std::printf("  warm   %7.1f  (after %d)\n", warm, warmedUp);
            std::fflush(stdout);
        }
        if (round == calculations / 2 - 1) {
            std::printf("  middle %7.1f  (after %d)\n", residentMegabytes(), calculations / 2);
            std::fflush(stdout);
        }
    }
    const double end = residentMegabytes();
    std::printf("  end    %7.1f  (after %d, %d of them failures)\n", end, calculations, failures - failuresBefore);
    std::printf("  growth %7.2f  over the last %d presses, %.1f bytes a press\n", end - warm, calculations - warmedUp,
                (end - warm) * 1024 * 1024 / (calculations - warmedUp));
    return 0;
}
