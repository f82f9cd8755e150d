// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a key press in the weight box takes, with its repaint, when the box holds a
// short number and when it holds the longest text it accepts (what a paste of a huge
// text leaves); for comparison, a box whose bound is lifted to a million characters.
// On the offscreen platform; run with -median N for the median of N runs. Each
// iteration is two key presses: Backspace and a digit.
#include "window/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class KeyPressBenchmark : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keyPress_data();
    void keyPress();

private:
    zorvel::MainWindow window_;
    QLineEdit* peso_ = nullptr;
};

void KeyPressBenchmark::initTestCase() {
    peso_ = window_.findChild<QLineEdit*>(QStringLiteral("peso"));
    QVERIFY(peso_);
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
    peso_->setFocus();
}

void KeyPressBenchmark::keyPress_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("bound");
    QTest::newRow("a short number") << 5 << peso_->maxLength();
    QTest::newRow("the longest accepted text") << peso_->maxLength() << peso_->maxLength();
    QTest::newRow("a million characters, bound lifted") << 1'000'000 << 1'000'000;
}

void KeyPressBenchmark::keyPress() {
    QFETCH(int, length);
    QFETCH(int, bound);
    const int designedBound = peso_->maxLength();
    peso_->setMaxLength(bound);
    // What a paste leaves: the text, cut at the bound, with the cursor at its end.
    peso_->setText(QString(length, QLatin1Char('7')));
    QCOMPARE(peso_->text().size(), length);
    peso_->end(false);

    QBENCHMARK {
        QTest::keyClick(peso_, Qt::Key_Backspace);
        QTest::keyClick(peso_, Qt::Key_7);
        QCoreApplication::processEvents(); // the repaint the keys asked for
    }
    QCOMPARE(peso_->text().size(), length);
    peso_->setMaxLength(designedBound);
    peso_->clear();
}

QTEST_MAIN(KeyPressBenchmark)
#include "key_press_benchmark.moc"
