// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Ten thousand presses of "Calcola" with random texts through the real widgets,
// each checked against the independent model of a press: the window must show
// exactly the writes the model makes and keep everything else, and show the
// model's failure in one message, which is then dismissed with Return or Esc as a
// person would. No dialog may stay open; nothing may crash or hang.
#include "random_texts.h"

#include "calculation_model.h"
#include "controls.h"
#include "modal_watchdog.h"
#include "screen_colour.h"
#include "shown_picture.h"
#include "shown_results.h"

#include "window/failure_messages.h"
#include "window/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <string>

using namespace zorvel;

namespace {

constexpr int calculations = 10'000;
constexpr monkey::Noise::result_type startingNoiseState = 20261207;

// The offscreen platform says this for every message box it shows: noise that
// would bury the test's own output.
QtMessageHandler testLibraryHandler = nullptr;
void dropOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    testLibraryHandler(type, context, message);
}

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// For failure reports: long texts cut short, everything else as typed.
QString shortened(const QString& text) {
    if (text.size() <= 60)
        return text;
    return text.left(60) + "... (" + QString::number(text.size()) + " characters)";
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomCalculations();

private:
    template <typename Widget = QLabel>
    Widget* control(const char* name) const {
        return ::control<Widget>(window_, name);
    }
    void type(QLineEdit& box, const QString& text);
    QString pressAndDismiss(monkey::Noise& noise);
    void checkShown(const Evaluation& expected, const ShownResults& before, const ShownResults& shown);
    void checkMarkerInSight(float xTwips, const QRect& line);

    MainWindow window_;
    ModalWatchdog watchdog_; // a message run with exec() would otherwise hang the test
};

void MonkeyTest::initTestCase() {
    testLibraryHandler = qInstallMessageHandler(dropOffscreenNoise);
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
}

// Short texts of plain characters are typed key by key; the rest is pasted, as a
// person would bring a long or foreign text into the box.
void MonkeyTest::type(QLineEdit& box, const QString& text) {
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    const bool typeable = text.size() <= 24 && std::all_of(text.begin(), text.end(), [](QChar c) {
                              return c.unicode() >= 0x20 && c.unicode() < 0x7F;
                          });
    if (text.isEmpty())
        QTest::keyClick(&box, Qt::Key_Delete);
    else if (typeable)
        QTest::keyClicks(&box, text);
    else
        box.insert(text);
}

// Clicks "Calcola"; the text of the message it brought up, dismissed with Return or
// Esc, or empty when there was none.
QString MonkeyTest::pressAndDismiss(monkey::Noise& noise) {
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return QString();
    const QString text = box->text();
    QTest::keyClick(box, std::bernoulli_distribution(0.5)(noise) ? Qt::Key_Return : Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return text;
}

// Every write the model makes shows in its widget; what it does not write stays.
void MonkeyTest::checkShown(const Evaluation& expected, const ShownResults& before, const ShownResults& shown) {
    ShownResults wanted = before;
    wanted.altezza = fromUtf8(expected.heightText.value_or(""));
    wanted.peso = expected.weightText ? fromUtf8(*expected.weightText) : before.peso;
    if (!expected.indiceText.empty()) {
        wanted.label3 = fromUtf8(expected.indiceText);
        wanted.minP = fromUtf8(expected.lowest.text);
        wanted.maxP = fromUtf8(expected.highest.text);
    }
    if (expected.categoria != 0) {
        wanted.dp = fromUtf8(expected.leftBoundText);
        wanted.sp = fromUtf8(expected.rightBoundText);
        wanted.poi = screenColour(expected.colours.previous);
        wanted.adesso = screenColour(expected.colours.own);
        wanted.segue = screenColour(expected.colours.next);
    }
    if (!expected.className.empty())
        wanted.tipoT = fromUtf8(expected.className);
    if (expected.markerX) {
        checkMarkerInSight(*expected.markerX, shown.line1);
        wanted.line1 = shown.line1;
    }
    if (expected.pictureOf != 0) {
        QVERIFY2(showsPictureOf(*control("Image1"), expected.pictureOf), "Image1 does not show the class picture");
        wanted.picture = shown.picture;
    }
    QCOMPARE(shown.texts(), wanted.texts());
    QVERIFY2(shown == wanted, "a colour, the picture or the marker changed though the press did not write it");
}

// The marker line stands at its position while that lies in the window, and out of
// sight when it lies off the window (an index far beyond the class's bounds).
void MonkeyTest::checkMarkerInSight(float xTwips, const QRect& line) {
    constexpr int slack = 3; // pixels: the line's own width and the rounding to a pixel
    const double x = xTwips / 15.0;
    if (x >= slack && x <= window_.width() - slack) {
        QVERIFY2(!line.isNull(), "the marker is hidden though it lies in the window");
        QVERIFY2(std::abs(line.center().x() - x) <= slack,
                 qPrintable(QString("the marker line stands at %1 px, not at %2 px").arg(line.center().x()).arg(x)));
    } else if (x < -slack || x > window_.width() + slack) {
        QVERIFY2(line.isNull() || !line.intersects(window_.rect()),
                 qPrintable(QString("a marker off the window (%1 px) is still in sight").arg(x)));
    }
}

void MonkeyTest::randomCalculations() {
    monkey::Noise noise(startingNoiseState);
    int succeeded = 0;
    const qsizetype topLevelsAtStart = QApplication::topLevelWidgets().size();

    for (int i = 0; i < calculations; ++i) {
        const auto [weight, height] = monkey::randomTexts(noise);
        if (weight.text)
            type(*control<QLineEdit>("peso"), *weight.text);
        if (height.text)
            type(*control<QLineEdit>("altezza"), *height.text);

        const ShownResults before = shownResults(window_);
        const Evaluation expected = model::press(before.peso.toStdString(), before.altezza.toStdString());
        const QString message = pressAndDismiss(noise);
        QCOMPARE(message, expected.failure ? failureMessage(*expected.failure) : QString());
        checkShown(expected, before, shownResults(window_));

        const QStringList leftOpen = watchdog_.takeUnexpected();
        if (!leftOpen.isEmpty() || QApplication::activeModalWidget())
            QFAIL(qPrintable("a dialog stayed open after the press: " + leftOpen.join(" | ")));

        if (QTest::currentTestFailed()) {
            qWarning("calculation %d: weight (%s) \"%s\", height (%s) \"%s\"", i + 1, weight.kind.data(),
                     qPrintable(shortened(before.peso)), height.kind.data(), qPrintable(shortened(before.altezza)));
            return;
        }
        succeeded += expected.failure ? 0 : 1;
    }

    // Closed message boxes are not piled up.
    QVERIFY(QApplication::topLevelWidgets().size() <= topLevelsAtStart + 1);
    qInfo("%d calculations: %d showed results, %d showed a message", calculations, succeeded, calculations - succeeded);
    QVERIFY2(succeeded > calculations / 10 && succeeded < calculations * 9 / 10,
             "the random texts should give both results and failures in good number");
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
