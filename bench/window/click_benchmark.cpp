// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long one press of "Calcola" takes, from the click until the window has
// repainted what changed, on the offscreen platform. Run with -median N for the
// median of N runs.
#include "window/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <utility>

namespace {

// Counts the widgets painted, to make sure each click's repaint is measured.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class ClickBenchmark : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void click_data();
    void click();

private:
    zorvel::MainWindow window_;
    QLineEdit* peso_ = nullptr;
    QLineEdit* altezza_ = nullptr;
    QPushButton* command1_ = nullptr;
};

void ClickBenchmark::initTestCase() {
    peso_ = window_.findChild<QLineEdit*>(QStringLiteral("peso"));
    altezza_ = window_.findChild<QLineEdit*>(QStringLiteral("altezza"));
    command1_ = window_.findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(peso_ && altezza_ && command1_);
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
}

using Inputs = std::pair<QString, QString>;

// Each row alternates two calculations, so that every click writes new results.
void ClickBenchmark::click_data() {
    QTest::addColumn<Inputs>("first");
    QTest::addColumn<Inputs>("second");
    QTest::newRow("same class, new index") << Inputs{"70", "175"} << Inputs{"72,5", "1,78"};
    QTest::newRow("another class each time") << Inputs{"70", "175"} << Inputs{"95,5", "1.80"};
    QTest::newRow("the same inputs again") << Inputs{"70", "175"} << Inputs{"70", "175"};
}

void ClickBenchmark::click() {
    QFETCH(Inputs, first);
    QFETCH(Inputs, second);
    PaintCounter counter;
    qApp->installEventFilter(&counter);

    bool useFirst = true;
    int clicks = 0;
    QBENCHMARK {
        const Inputs& inputs = useFirst ? first : second;
        useFirst = !useFirst;
        peso_->setText(inputs.first);
        altezza_->setText(inputs.second);
        QTest::mouseClick(command1_, Qt::LeftButton);
        QCoreApplication::processEvents(); // the repaint the click asked for
        ++clicks;
    }

    qApp->removeEventFilter(&counter);
    QVERIFY2(counter.paints >= clicks, "a click went without a repaint");
    const auto* className = window_.findChild<QLabel*>(QStringLiteral("tipoT"));
    QVERIFY(className && !className->text().isEmpty());
}

QTEST_MAIN(ClickBenchmark)
#include "click_benchmark.moc"
