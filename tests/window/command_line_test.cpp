// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program answers in the terminal, without a display: --help in Italian,
// listing only options that answer too, in one column; --version with the licence.
// And the names the program gives itself, against the desktop entry a menu starts it by.
#include "command_line.h"

#include "assets/version.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QtTest>

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void everyListedOptionAnswers();
    void desktopEntryMatchesTheProgram_data();
    void desktopEntryMatchesTheProgram();
};

void CommandLineTest::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answer"); // a pattern; empty: the window opens
    const QString version = QRegularExpression::escape(QLatin1String(zorvel::version::versionText));
    // clang-format off
    QTest::newRow("--help") << QStringList{"--help"} << R"(^Uso: zorvel \[opzioni\]\n)";
    QTest::newRow("-h, its line") << QStringList{"-h"} << R"((?m)^Opzioni:\n  -h, --help +Mostra questo aiuto\.\n)";
    QTest::newRow("the options in one column") << QStringList{"-h"}
        << R"((?m)^  -h, --help     Mostra questo aiuto\.\n  -v, --version  Mostra la versione\.\n)";
    QTest::newRow("--version") << QStringList{"--version"} << QStringLiteral("^Zorvel %1\\n").arg(version);
    QTest::newRow("-v, the licence") << QStringList{"-v"}
        << R"((?m)^Licenza GPL-3\.0-or-later: GNU GPL versione 3 o successiva <https://www\.gnu\.org/licenses/gpl\.html>\.$)";
    QTest::newRow("-version, as Qt writes long options") << QStringList{"-version"} << "^Zorvel ";
    QTest::newRow("an unknown option") << QStringList{"--unknown"} << QString();
    QTest::newRow("numbers") << QStringList{"70", "175"} << QString();
    QTest::newRow("Qt's own option") << QStringList{"-reverse"} << QString();
    // clang-format on
}

void CommandLineTest::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, answer);
    const auto answered = zorvel::answerCommandLine(QStringList{"/usr/bin/zorvel"} + arguments);
    QCOMPARE(answered.has_value(), !answer.isEmpty());
    if (answered) {
        QCOMPARE(answered->exitCode, 0);
        QVERIFY2(QRegularExpression(answer).match(answered->text).hasMatch(), qPrintable(answered->text));
        QVERIFY2(!answered->text.contains(QRegularExpression(R"(\b(Usage|Options|Displays)\b)")),
                 qPrintable(answered->text));
    }
}

// Every option the help lists answers too, and none in Qt's English.
void CommandLineTest::everyListedOptionAnswers() {
    const QString help = zorvel::answerCommandLine({"zorvel", "--help"})->text;
    QStringList listed;
    for (const QRegularExpressionMatch& option : QRegularExpression(R"((?<![\w-])--?[a-z][\w-]*)").globalMatch(help)) {
        listed << option.captured();
    }
    QCOMPARE(listed.size(), 4);
    for (const QString& option : listed) {
        const auto answered = zorvel::answerCommandLine({"zorvel", option});
        QVERIFY2(answered && answered->exitCode == 0 && !answered->text.isEmpty(), qPrintable(option));
    }
}

// The entry is found by the name the program gives Wayland for its windows, so a name
// that is not the entry's fails here; and what the menu does with it is the program's.
void CommandLineTest::desktopEntryMatchesTheProgram_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    // clang-format off
    QTest::newRow("a program") << "Type" << "Application";
    QTest::newRow("the installed program") << "Exec" << "zorvel";
    QTest::newRow("a window, no terminal") << "Terminal" << "false";
    QTest::newRow("the icon installed by the entry's name") << "Icon" << zorvel::version::appId;
    QTest::newRow("the window class") << "StartupWMClass" << zorvel::version::productName;
    // clang-format on
}

void CommandLineTest::desktopEntryMatchesTheProgram() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    zorvel::nameTheApplication();
    QFile file(QStringLiteral(ZORVEL_SOURCE_DIR "/packaging/%1.desktop").arg(QGuiApplication::desktopFileName()));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    QMap<QString, QString> entry;
    bool inMainGroup = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        } else if (inMainGroup && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#'))) {
            entry.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
        }
    }
    QCOMPARE(entry.value(key), value);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
