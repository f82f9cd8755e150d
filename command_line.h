// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zorvel {

// Gives the application its name and version, which --version and the window's class
// show, and the desktop entry's name, by which a Wayland desktop ties the windows to
// the menu entry and its icon. Call as each application object is made; needs no
// display.
void nameTheApplication();

// What the program says in the terminal to --help or --version, and the exit code.
struct CommandLineAnswer {
    QString text;
    int exitCode;
};

// The answer to `arguments` (the program's name first) where they ask for help or the
// version; nothing where the window is to open: it takes no argument but Qt's own
// (-platform, -style, ...), written with one dash as Qt writes them. Needs no display.
std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments);

// While one lives, Qt finding no window system it can open (no display at all, or one
// it cannot reach) ends the program with exit status 1 and one sentence in Italian,
// in place of Qt's English explanation and abort: create one just before the
// application object and let it go once that object exists. Whatever else Qt says
// meanwhile is held back and passed on when it goes.
class MissingDesktopAnswer {
public:
    MissingDesktopAnswer();
    ~MissingDesktopAnswer();
    MissingDesktopAnswer(const MissingDesktopAnswer&) = delete;
    MissingDesktopAnswer& operator=(const MissingDesktopAnswer&) = delete;
};

} // namespace zorvel
