// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include "assets/version.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageLogContext>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zorvel {
namespace {

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
        .arg(QLatin1String(version::productName), QLatin1String(version::versionText),
             QLatin1String(version::copyright), QLatin1String(version::licence));
}

constexpr const char* missingDesktopText =
    "zorvel: serve un desktop grafico (X11 o Wayland), ma non se ne è trovato nessuno da aprire.\n";

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QtMessageHandler passOn = nullptr;
std::vector<HeldMessage> heldMessages;

// While the application object is being made, the one fatal message Qt has is that no
// platform plugin could open its window system.
void holdOrAnswer(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(missingDesktopText, stderr);
        // Qt is half made: leave without running its destructors.
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

void nameTheApplication() {
    QCoreApplication::setApplicationName(QLatin1String(version::productName));
    QCoreApplication::setApplicationVersion(QLatin1String(version::versionText));
    QGuiApplication::setDesktopFileName(QLatin1String(version::appId));
}

std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto addOption = [&parser](const CommandLineOption& option) {
        QCommandLineOption parsed(QStringList{QLatin1String(option.shortName), QLatin1String(option.longName)});
        parser.addOption(parsed);
        return parsed;
    };
    const QCommandLineOption help = addOption(helpOption);
    const QCommandLineOption version = addOption(versionOption);
    parser.parse(arguments);
    if (parser.isSet(help)) {
        return CommandLineAnswer{helpText(QFileInfo(arguments.constFirst()).fileName()), 0};
    }
    if (parser.isSet(version)) {
        return CommandLineAnswer{versionText(), 0};
    }
    return std::nullopt;
}

MissingDesktopAnswer::MissingDesktopAnswer() { passOn = qInstallMessageHandler(holdOrAnswer); }

MissingDesktopAnswer::~MissingDesktopAnswer() {
    qInstallMessageHandler(passOn);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(message.file.constData(), message.line, message.function.constData(),
                                         message.category.constData());
        passOn(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace zorvel
