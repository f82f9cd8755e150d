#include "window/main_window.h"
#include "window/platform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    zorvel::preferX11(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvel"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.zorvel.Zorvel"));

    zorvel::MainWindow window;
    window.show();
    return application.exec();
}
