#include "assets/version.h"
#include "window/main_window.h"
#include "window/platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

void nameTheApplication() {
    QCoreApplication::setApplicationName(QString::fromLatin1(zorvel::version::productName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(zorvel::version::versionText));
}

// --help and --version answer in the terminal and end the program, before anything
// needs a display. Every other argument is left to the window, which takes none but
// Qt's own (-platform, -style, ...), written with one dash as Qt writes them.
void answerCommandLine(int argc, char* argv[]) {
    const QCoreApplication commandLine(argc, argv);
    nameTheApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Valutazione dell'indice di massa corporea."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        answerCommandLine(argc, argv);
    }

    zorvel::preferX11(argc, argv);
    QApplication application(argc, argv);
    nameTheApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.zorvel.Zorvel"));

    zorvel::MainWindow window;
    window.show();
    // Ask for the keyboard focus: some window managers focus a new window that keeps
    // itself on top and out of the task bar only when it asks.
    window.activateWindow();
    return application.exec();
}
