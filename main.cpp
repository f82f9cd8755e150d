#include "assets/version.h"
#include "window/main_window.h"
#include "window/platform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    zorvel::preferX11(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zorvel::version::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(zorvel::version::kVersionText));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.zorvel.Zorvel"));

    zorvel::MainWindow window;
    window.show();
    // Ask for the keyboard focus: some window managers focus a new window that keeps
    // itself on top and out of the task bar only when it asks.
    window.activateWindow();
    return application.exec();
}
