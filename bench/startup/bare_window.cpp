// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for Zorvel's start-up: a bare Qt Widgets window of the same size with
// the same kinds of controls (a group box, two line edits, a button and a dozen
// labels) and nothing more: no pictures, no icon, no window table.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra di confronto"));
    window.setFixedSize(327, 326);

    auto* group = new QGroupBox(QStringLiteral("Dati"), &window);
    group->setGeometry(8, 8, 161, 89);
    auto* first = new QLineEdit(group);
    first->setGeometry(48, 24, 41, 19);
    auto* second = new QLineEdit(group);
    second->setGeometry(48, 48, 41, 19);
    auto* button = new QPushButton(QStringLiteral("Calcola"), group);
    button->setGeometry(96, 32, 57, 25);

    constexpr int labelCount = 12;
    for (int i = 0; i < labelCount; ++i) {
        auto* label = new QLabel(QStringLiteral("Etichetta %1").arg(i + 1), &window);
        label->setGeometry(8 + (i % 2) * 160, 110 + (i / 2) * 32, 150, 17);
    }

    window.show();
    return app.exec();
}
