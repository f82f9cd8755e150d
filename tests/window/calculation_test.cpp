// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Calcola" command through the real widgets: results, colours read back from the
// screen, marker, picture, failures and the hover hints.
#include "calculation_model.h"
#include "modal_watchdog.h"
#include "screen_colour.h"
#include "shown_picture.h"
#include "shown_results.h"
#include "window_test.h"

#include "evaluation/numbers.h"
#include "window/failure_messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <memory>

using zorvel::Failure;
using zorvel::Input;
using zorvel::Problem;

namespace {

QString className(int number) { return QString::fromUtf8(zorvel::model::classes[number].name); }

} // namespace

Q_DECLARE_METATYPE(zorvel::Failure)

class CalculationTest : public WindowTest {
    Q_OBJECT

private slots:
    void calculation_data();
    void calculation();
    void failureKeepsEarlierWrites_data();
    void failureKeepsEarlierWrites();
    void failureSentencesNameBoxAndProblem();
    void twoPressesEqualOne();
    void offScaleMarker_data();
    void offScaleMarker();
    void markerBeyondEveryFloat();
    void toolTips_data();
    void toolTips();
    void toolTipsFollowOnlyOnMove();
    void realisticResultsFit();

private:
    // Presses "Calcola"; whether the press ended without a message.
    bool calculate(const QString& weight, const QString& height) {
        control<QLineEdit>("peso")->setText(weight);
        control<QLineEdit>("altezza")->setText(height);
        return press();
    }
    bool press() {
        QTest::mouseClick(control<QWidget>("Command1"), Qt::LeftButton);
        return QApplication::activeModalWidget() == nullptr;
    }
    bool showsPictureOf(int categoria) const { return ::showsPictureOf(*control<QLabel>("Image1"), categoria); }
    // The colour bar, its end boxes and the bounds under them.
    QRect scale() const {
        return control("poi")->geometry().united(control("segue")->geometry()).united(control("Sp")->geometry());
    }

    void hover(const char* box) {
        QWidget* widget = control<QWidget>(box);
        const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
};

void CalculationTest::calculation_data() {
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("height");

    // One row for each way a press reaches the window: the classes whose neighbours are
    // the bar's outer ends, the scale reversed, the marker off the bar, each box rewritten.
    // What the window must show is the independent model's; the arithmetic is the
    // evaluation's tests', and the monkey test shows every class through the window.
    // clang-format off
    QTest::newRow("class 1: 40 kg, 175 cm") << "40" << "175";
    QTest::newRow("class 4: 70 kg, 175 cm") << "70" << "175";
    QTest::newRow("class 9: 180 kg, 175 cm, scale reversed") << "180" << "175";
    QTest::newRow("16,05 is class 2, marker left of the bar") << "64.2" << "200";
    QTest::newRow("weight and height with a point are rewritten") << "70.5" << "1.75";
    QTest::newRow("no-break spaces around the weight") << QString::fromUtf8("\u00A070\u00A0") << "175";
    // clang-format on
}

void CalculationTest::calculation() {
    QFETCH(QString, weight);
    QFETCH(QString, height);
    const zorvel::Evaluation expected = zorvel::model::press(weight.toStdString(), height.toStdString());
    QVERIFY(!expected.failure && expected.markerX);
    const int categoria = expected.categoria;

    QVERIFY(calculate(weight, height));
    QStringList texts;
    for (const std::string& text :
         {*expected.weightText, *expected.heightText, expected.indiceText, expected.lowest.text, expected.highest.text,
          expected.leftBoundText, expected.rightBoundText, expected.className})
        texts << QString::fromStdString(text);
    QCOMPARE(shownResults(*window_).texts(), texts);
    QVERIFY(showsPictureOf(categoria));
    // Both boxes show the beginning of their text, rewritten or not.
    QCOMPARE(control<QLineEdit>("peso")->cursorPosition(), 0);
    QCOMPARE(control<QLineEdit>("altezza")->cursorPosition(), 0);

    const QImage shot = window_->grab().toImage();
    const QRect adesso = control("adesso")->geometry();
    QCOMPARE(shot.pixelColor(control("poi")->geometry().center()), classColour(categoria - 1));
    QCOMPARE(shot.pixelColor(control("segue")->geometry().center()), classColour(categoria + 1));
    // adesso at a point clear of the marker, at a quarter or three quarters of the bar.
    const QWidget* line = control<QWidget>("Line1");
    const int quarter = adesso.width() / 4;
    const int clearOfMarker = adesso.left() + (line->geometry().center().x() > adesso.center().x() ? 1 : 3) * quarter;
    QCOMPARE(shot.pixelColor(clearOfMarker, adesso.center().y()), classColour(categoria));

    // The marker, in front of the bar, centred on its position.
    const int markerPixel = qRound(*expected.markerX / 15);
    QCOMPARE(line->geometry().center().x(), markerPixel);
    if (markerPixel > 2 && markerPixel < window_->width() - 2) {
        QCOMPARE(shot.pixelColor(markerPixel, adesso.center().y()), window_->palette().color(QPalette::WindowText));
    }
    // The picture, whose background is near-white but never pure white, covers its
    // whole box in front of the pure white panel.
    const QRect picture = control("Image1")->geometry();
    for (const QPoint corner : {picture.topLeft(), picture.topRight(), picture.bottomLeft(), picture.bottomRight()}) {
        QVERIFY(shot.pixelColor(corner) != QColor(Qt::white));
    }
    QCOMPARE(shot.pixelColor(picture.left() - 1, picture.center().y()), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(picture.right() + 1, picture.center().y()), QColor(Qt::white));
}

void CalculationTest::failureKeepsEarlierWrites_data() {
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("height");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("pesoShown");
    QTest::addColumn<QString>("altezzaShown");

    // One case for each way a failure leaves the boxes; every failure of the flow is
    // in the evaluation's tests. The height is read and checked before the weight box
    // is rewritten; a later failure leaves the rewritten weight in its box.
    // clang-format off
    QTest::newRow("height fails before the weight is rewritten") << "70.5" << "1.7.5" << Failure{Input::height, Problem::notANumber} << "70.5" << "1,7,5";
    QTest::newRow("height fails after the weight is rewritten") << "70.5" << "0" << Failure{Input::height, Problem::notPositive} << "70,5" << "0";
    QTest::newRow("weight fails") << "settanta" << "175" << Failure{Input::weight, Problem::notANumber} << "settanta" << "175";
    // clang-format on
}

void CalculationTest::failureKeepsEarlierWrites() {
    QFETCH(QString, weight);
    QFETCH(QString, height);
    QFETCH(Failure, failure);
    QFETCH(QString, pesoShown);
    QFETCH(QString, altezzaShown);
    const QString boxNamed = failure.input == Input::height ? "altezza" : "peso";

    QVERIFY(calculate("70", "175"));
    const ShownResults before = shownResults(*window_);
    const QImage barBefore = window_->grab(scale()).toImage();

    QVERIFY(!calculate(weight, height));
    const QPointer<QMessageBox> message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    const QString shown = ModalWatchdog::dismissMessage();
    // A warning to correct a box, not a piece of news: its icon says so before its words.
    QVERIFY(message);
    QCOMPARE(message->icon(), QMessageBox::Warning);
    QCOMPARE(shown, zorvel::failureMessage(failure));
    QVERIFY2(shown.contains(boxNamed, Qt::CaseInsensitive), qPrintable(shown));
    QVERIFY2(!QApplication::activeModalWidget(), "a second message for one failure");
    // The keyboard is back in the box to correct, its text ready to be typed over.
    QVERIFY(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
    QCOMPARE(QApplication::focusWidget()->objectName(), boxNamed);
    QCOMPARE(control<QLineEdit>(qPrintable(boxNamed))->selectedText(),
             control<QLineEdit>(qPrintable(boxNamed))->text());
    QCOMPARE(control<QLineEdit>(qPrintable(boxNamed))->cursorPosition(), 0); // its beginning in sight

    ShownResults expected = before;
    expected.peso = pesoShown;
    expected.altezza = altezzaShown;
    const ShownResults after = shownResults(*window_);
    QCOMPARE(after.texts(), expected.texts());
    QVERIFY2(after == expected, "a colour, the picture or the marker changed");
    QVERIFY(showsPictureOf(4));
    QCOMPARE(window_->grab(scale()).toImage(), barBefore);

    // The window stays usable.
    QVERIFY(calculate("180", "175"));
    QVERIFY(showsPictureOf(9));
}

// Each failure has a sentence of its own, which first names the box (or the part of
// the window) at fault and what is wrong with it, then says what to do.
void CalculationTest::failureSentencesNameBoxAndProblem() {
    const struct {
        Failure failure;
        const char* box;
        const char* problem;
    } failures[] = {
        {{Input::weight, Problem::notANumber}, "peso", "numero"},
        {{Input::weight, Problem::notPositive}, "peso", "maggiore di zero"},
        {{Input::weight, Problem::tooLarge}, "peso", "troppo grande"},
        {{Input::height, Problem::notANumber}, "altezza", "numero"},
        {{Input::height, Problem::outOfRange}, "altezza", "troppo grande"},
        {{Input::height, Problem::notPositive}, "altezza", "maggiore di zero"},
        {{Input::height, Problem::tooLarge}, "altezza", "troppo piccola"},
        {{Input::leftBound, Problem::notANumber}, "limite sinistro", "numero"},
        {{Input::rightBound, Problem::notANumber}, "limite destro", "numero"},
        {{Input::rightBound, Problem::outOfRange}, "limite destro", "uguale"},
        {{Input::classPicture, Problem::missing}, "figura", "non si può caricare"},
        {{Input::weightClass, Problem::missing}, "classe", "manca"},
    };
    QSet<QString> sentences;
    for (const auto& [failure, box, problem] : failures) {
        const QString sentence = zorvel::failureMessage(failure);
        const QString first = sentence.section(QRegularExpression(QStringLiteral("[:,]")), 0, 0);
        QVERIFY2(first.contains(QString::fromUtf8(box), Qt::CaseInsensitive), qPrintable(sentence));
        QVERIFY2(first.contains(QString::fromUtf8(problem)), qPrintable(sentence));
        QVERIFY2(!sentences.contains(sentence), qPrintable("shared: " + sentence));
        sentences.insert(sentence);
    }
    // Every number in every sentence, even one for a failure no step reports, is
    // written as the program writes its numbers: "70,5", never "70.5".
    static const QRegularExpression number(QStringLiteral("[0-9]+([.,][0-9]+)*"));
    for (int input = 0; input <= static_cast<int>(Input::weightClass); ++input) {
        for (int problem = 0; problem <= static_cast<int>(Problem::missing); ++problem) {
            const QString sentence = zorvel::failureMessage({static_cast<Input>(input), static_cast<Problem>(problem)});
            for (const QRegularExpressionMatch& match : number.globalMatch(sentence)) {
                const std::string typed = match.captured().toStdString();
                const auto read = zorvel::parseNumber(typed);
                QVERIFY2(read && zorvel::formatNumber(*read) == typed, qPrintable(sentence));
            }
        }
    }
}

void CalculationTest::twoPressesEqualOne() {
    QVERIFY(calculate("70.5", "1.75"));
    const QStringList once = shownResults(*window_).texts();
    const QImage shotOnce = window_->grab().toImage();
    const QRect markerOnce = control<QWidget>("Line1")->geometry();
    QVERIFY(press());
    QCOMPARE(shownResults(*window_).texts(), once);
    QCOMPARE(control<QWidget>("Line1")->geometry(), markerOnce);
    QCOMPARE(window_->grab().toImage(), shotOnce);
}

void CalculationTest::offScaleMarker_data() {
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("height");
    // clang-format off
    QTest::newRow("far left of the bar") << "5" << "175";
    QTest::newRow("class 9 index far beyond 60") << "500" << "250";
    QTest::newRow("just beyond every float, rounding to the largest") << "8,1829804600391436e+35" << "1";
    // clang-format on
}

// The line is put out of sight without ever turning a huge position into a coordinate.
void CalculationTest::offScaleMarker() {
    QFETCH(QString, weight);
    QFETCH(QString, height);
    QVERIFY(calculate(weight, height));
    const QRect line = control<QWidget>("Line1")->geometry();
    QVERIFY(line.right() < 0);
    QCOMPARE(line.top(), 292);
    QCOMPARE(line.width(), 5);
}

// A marker position no float can hold (1E40 kg, 175 cm) is a weight too large: the
// index is shown, the marker stays where it was.
void CalculationTest::markerBeyondEveryFloat() {
    QVERIFY(calculate("70", "175"));
    const QRect markerBefore = control<QWidget>("Line1")->geometry();
    QVERIFY(!calculate("1E40", "175"));
    QCOMPARE(ModalWatchdog::dismissMessage(), zorvel::failureMessage(Failure{Input::weight, Problem::tooLarge}));
    QCOMPARE(control<QLabel>("Label3")->text(), QStringLiteral("3,26530612244898E+39"));
    QCOMPARE(control<QWidget>("Line1")->geometry(), markerBefore);
    QVERIFY(showsPictureOf(4));
}

void CalculationTest::toolTips_data() {
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("categoria"); // 0: no calculation yet
    // clang-format off
    QTest::newRow("before any calculation") << "" << "" << 0;
    QTest::newRow("class 1") << "40" << "175" << 1;
    QTest::newRow("class 4") << "70" << "175" << 4;
    QTest::newRow("class 9") << "180" << "175" << 9;
    // clang-format on
}

// Each box names its own class: the one before, the current one, the one after.
void CalculationTest::toolTips() {
    QFETCH(QString, weight);
    QFETCH(QString, height);
    QFETCH(int, categoria);
    if (categoria != 0) {
        QVERIFY(calculate(weight, height));
    }
    for (const char* box : {"poi", "adesso", "segue"}) {
        hover(box);
    }
    const auto tip = [categoria](int step) { return categoria == 0 ? QString() : className(categoria + step); };
    QCOMPARE(control("poi")->toolTip(), tip(-1));
    QCOMPARE(control("adesso")->toolTip(), tip(0));
    QCOMPARE(control("segue")->toolTip(), tip(+1));
}

// A calculation does not touch the tips; the next move over a box brings it up to date.
void CalculationTest::toolTipsFollowOnlyOnMove() {
    QVERIFY(calculate("70", "175"));
    hover("poi");
    hover("segue");
    QVERIFY(calculate("180", "175"));
    QCOMPARE(control("poi")->toolTip(), className(3));
    QCOMPARE(control("adesso")->toolTip(), QString());
    hover("poi");
    QCOMPARE(control("poi")->toolTip(), className(8));
    QCOMPARE(control("segue")->toolTip(), className(5));
}

// Weights from 1 to 500 kg and heights from 50 to 250 cm: no result is cut off.
void CalculationTest::realisticResultsFit() {
    for (const char* weight : {"1", "9,99", "70", "123,45", "499,99", "500"}) {
        for (const char* height : {"50", "99,5", "175", "249,9", "250"}) {
            QVERIFY(calculate(weight, height));
            for (const char* name : {"Label3", "minP", "MaxP", "Dp", "Sp", "tipoT"}) {
                const QLabel* label = control<QLabel>(name);
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(QStringLiteral("%1 / %2: %3 \"%4\"").arg(weight, height, name, label->text())));
            }
        }
    }
}

QTEST_MAIN(CalculationTest)
#include "calculation_test.moc"
