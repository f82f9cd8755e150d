// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"
#include "window/italian_qt_texts.h"
#include "window/main_window.h"
#include "window/platform.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    // --help and --version answer in the terminal and end the program, before anything
    // needs a display.
    if (argc > 1) {
        const QCoreApplication commandLine(argc, argv);
        zorvel::nameTheApplication();
        if (const auto answer = zorvel::answerCommandLine(QCoreApplication::arguments())) {
            std::fputs(answer->text.toUtf8().constData(), stdout);
            return answer->exitCode;
        }
    }

    zorvel::preferX11(argc, argv);
    std::optional<zorvel::MissingDesktopAnswer> missingDesktopAnswer(std::in_place);
    QApplication application(argc, argv);
    missingDesktopAnswer.reset();
    zorvel::nameTheApplication();
    zorvel::useItalianQtTexts();

    zorvel::MainWindow window;
    window.show();
    // Ask for the keyboard focus: some window managers focus a new window that keeps
    // itself on top and out of the task bar only when it asks.
    window.activateWindow();
    return application.exec();
}
