// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/version.h"
#include "window/main_window.h"
#include "window/platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <cstdio>
#include <optional>

namespace {

void nameTheApplication() {
    QCoreApplication::setApplicationName(QString::fromLatin1(zorvel::version::productName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(zorvel::version::versionText));
}

// Qt's own texts the user meets, such as a text box's menu ("Incolla", "Seleziona
// tutto"), in Italian where Qt's translations are installed, and in Qt's English
// otherwise.
void useItalianQtTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

struct CommandLineOption {
    const char* shortName;
    const char* longName;
    const char* description; // UTF-8
};

constexpr CommandLineOption helpOption{"h", "help", "Mostra questo aiuto."};
constexpr CommandLineOption versionOption{"v", "version", "Mostra la versione."};
constexpr std::array commandLineOptions{helpOption, versionOption};

// Qt's own help is in English and offers Qt's options, which need a display; this
// one lists only what answers in the terminal.
QString helpText(const QString& programName) {
    QString text =
        QStringLiteral("Uso: %1 [opzioni]\nValutazione dell'indice di massa corporea.\n\nOpzioni:\n").arg(programName);
    for (const CommandLineOption& option : commandLineOptions) {
        const QString names =
            QStringLiteral("-%1, --%2").arg(QLatin1String(option.shortName), QLatin1String(option.longName));
        text += QStringLiteral("  %1  %2\n").arg(names, -13).arg(QString::fromUtf8(option.description));
    }
    return text;
}

// What --version says: the version, the copyright and the licence, in the words
// free programs use for it.
QString versionText() {
    return QStringLiteral("%1 %2\nCopyright %3\n"
                          "Licenza %4: GNU GPL versione 3 o successiva <https://www.gnu.org/licenses/gpl.html>.\n"
                          "Questo è software libero: è possibile modificarlo e ridistribuirlo.\n"
                          "Non c'è alcuna garanzia, nei limiti consentiti dalla legge.\n")
        .arg(QLatin1String(zorvel::version::productName), QLatin1String(zorvel::version::versionText),
             QLatin1String(zorvel::version::copyright), QLatin1String(zorvel::version::licence));
}

// --help and --version answer in the terminal and end the program, before anything
// needs a display: the exit code then. Every other argument is left to the window,
// which takes none but Qt's own (-platform, -style, ...), written with one dash as Qt
// writes them.
std::optional<int> answerCommandLine(int argc, char* argv[]) {
    const QCoreApplication commandLine(argc, argv);
    nameTheApplication();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto addOption = [&parser](const CommandLineOption& option) {
        QCommandLineOption parsed(QStringList{QLatin1String(option.shortName), QLatin1String(option.longName)});
        parser.addOption(parsed);
        return parsed;
    };
    const QCommandLineOption help = addOption(helpOption);
    const QCommandLineOption version = addOption(versionOption);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::fputs(helpText(QFileInfo(QCoreApplication::arguments().constFirst()).fileName()).toUtf8().constData(),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs(versionText().toUtf8().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        if (const std::optional<int> answered = answerCommandLine(argc, argv)) {
            return *answered;
        }
    }

    zorvel::preferX11(argc, argv);
    QApplication application(argc, argv);
    nameTheApplication();
    useItalianQtTexts();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.zorvel.Zorvel"));

    zorvel::MainWindow window;
    window.show();
    // Ask for the keyboard focus: some window managers focus a new window that keeps
    // itself on top and out of the task bar only when it asks.
    window.activateWindow();
    return application.exec();
}
