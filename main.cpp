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
    return application.exec();
}
