// Ten thousand calculations with random texts through the real widgets. After each
// one the window must show every new result, or show one message and keep what it
// showed before apart from the boxes already rewritten; no dialog may stay open;
// nothing may crash or hang.
#include "random_texts.h"

#include "evaluation/evaluation.h"
#include "evaluation/measurements.h"
#include "evaluation/weight_classes.h"
#include "window/failure_messages.h"
#include "window/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
void dropOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    testLibraryHandler(type, context, message);
}

QColor colourOf(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::string utf8(const QString& text) { return text.toStdString(); }
QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// For failure reports: long texts cut short, everything else as typed.
QString shortened(const QString& text)
{
    if (text.size() <= 60)
        return text;
    return text.left(60) + "... (" + QString::number(text.size()) + " characters)";
}

// What a calculation writes, as the widgets show it.
struct Results {
    QString label3, minP, maxP, dp, sp, tipoT;
    QColor poi, adesso, segue;
    int categoria = 0;
    int pictureId = 0;
    qint64 picture = 0; // the cache key of the pixmap Image1 shows
    float markerX = 0;
    QRect line1;

    bool operator==(const Results&) const = default;
};

struct Inputs {
    QString peso, altezza;
    bool operator==(const Inputs&) const = default;
};

QList<QMessageBox*> openMessageBoxes()
{
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            boxes << box;
    }
    return boxes;
}

// Closes every message box that opens while a click is handled, so that a box run
// with exec() cannot hang the test, and keeps their texts.
class DialogWatchdog : public QObject {
public:
    DialogWatchdog()
    {
        timer_.setInterval(2);
        connect(&timer_, &QTimer::timeout, this, [this] {
            for (QMessageBox* box : openMessageBoxes()) {
                closed_ << box->text();
                box->close();
            }
        });
    }
    void start()
    {
        closed_.clear();
        timer_.start();
    }
    QStringList stop()
    {
        timer_.stop();
        return closed_;
    }

private:
    QTimer timer_;
    QStringList closed_;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomCalculations();

private:
    template <typename Widget>
    Widget* control(const char* name)
    {
        auto* widget = window_.findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("the window has no control %s", name);
        return widget;
    }

    Inputs inputs() const { return {peso_->text(), altezza_->text()}; }
    Results results() const;
    void type(QLineEdit& box, const QString& text);
    QStringList clickAndCollectMessages();
    void checkSuccess(const Evaluation& expected, const Results& shown, const Inputs& after,
                      const QStringList& messages);
    void checkFailure(const Failure& expected, const Inputs& before, const Results& resultsBefore,
                      const Results& shown, const Inputs& after, const QStringList& messages);
    void checkMarkerInSight(const Results& shown);

    MainWindow window_;
    QLineEdit* peso_ = nullptr;
    QLineEdit* altezza_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* minP_ = nullptr;
    QLabel* maxP_ = nullptr;
    QLabel* dp_ = nullptr;
    QLabel* sp_ = nullptr;
    QLabel* tipoT_ = nullptr;
    QLabel* poi_ = nullptr;
    QLabel* adesso_ = nullptr;
    QLabel* segue_ = nullptr;
    QLabel* image1_ = nullptr;
    QWidget* line1_ = nullptr;
    DialogWatchdog watchdog_;
};

void MonkeyTest::initTestCase()
{
    testLibraryHandler = qInstallMessageHandler(dropOffscreenNoise);
    peso_ = control<QLineEdit>("peso");
    altezza_ = control<QLineEdit>("altezza");
    command1_ = control<QPushButton>("Command1");
    label3_ = control<QLabel>("Label3");
    minP_ = control<QLabel>("minP");
    maxP_ = control<QLabel>("MaxP");
    dp_ = control<QLabel>("Dp");
    sp_ = control<QLabel>("Sp");
    tipoT_ = control<QLabel>("tipoT");
    poi_ = control<QLabel>("poi");
    adesso_ = control<QLabel>("adesso");
    segue_ = control<QLabel>("segue");
    image1_ = control<QLabel>("Image1");
    line1_ = control<QWidget>("Line1");
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
}

Results MonkeyTest::results() const
{
    return {label3_->text(),
            minP_->text(),
            maxP_->text(),
            dp_->text(),
            sp_->text(),
            tipoT_->text(),
            poi_->palette().color(QPalette::Window),
            adesso_->palette().color(QPalette::Window),
            segue_->palette().color(QPalette::Window),
            window_.categoria(),
            window_.pictureId(),
            image1_->pixmap().cacheKey(),
            window_.markerX(),
            line1_->isVisible() ? line1_->geometry() : QRect()};
}

// Short texts of plain characters are typed key by key; the rest is pasted, as a
// person would bring a long or foreign text into the box.
void MonkeyTest::type(QLineEdit& box, const QString& text)
{
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

QStringList MonkeyTest::clickAndCollectMessages()
{
    watchdog_.start();
    QTest::mouseClick(command1_, Qt::LeftButton);
    QStringList messages = watchdog_.stop();
    for (QMessageBox* box : openMessageBoxes()) {
        messages << box->text();
        box->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return messages;
}

void MonkeyTest::checkSuccess(const Evaluation& expected, const Results& shown, const Inputs& after,
                              const QStringList& messages)
{
    QVERIFY2(messages.isEmpty(), qPrintable("a message after a calculation that succeeds: " + messages.join(" | ")));
    QCOMPARE(after.peso, fromUtf8(expected.weightText));
    QCOMPARE(after.altezza, fromUtf8(expected.heightText));
    QCOMPARE(shown.label3, fromUtf8(expected.indiceText));
    QCOMPARE(shown.minP, fromUtf8(expected.lowest.text));
    QCOMPARE(shown.maxP, fromUtf8(expected.highest.text));
    QCOMPARE(shown.dp, fromUtf8(expected.leftBoundText));
    QCOMPARE(shown.sp, fromUtf8(expected.rightBoundText));
    QCOMPARE(shown.categoria, expected.categoria);
    QCOMPARE(shown.tipoT, fromUtf8(categorie[expected.categoria]));
    const WeightClass& shownClass = weightClass(expected.categoria);
    QCOMPARE(shown.poi, colourOf(shownClass.poi));
    QCOMPARE(shown.adesso, colourOf(shownClass.adesso));
    QCOMPARE(shown.segue, colourOf(shownClass.segue));
    QCOMPARE(shown.pictureId, 100 + expected.categoria);
    QVERIFY2(!image1_->pixmap().isNull(), "Image1 shows no picture");
    QCOMPARE(shown.markerX, expected.markerX);
    checkMarkerInSight(shown);
}

// The marker line stands where markerX says while that lies in the window, and out
// of sight when it lies off the window (an index far beyond the class's bounds).
void MonkeyTest::checkMarkerInSight(const Results& shown)
{
    constexpr double twipsPerPixel = 15;
    constexpr int slack = 3; // pixels: the line's own width and the rounding to a pixel
    const double x = shown.markerX / twipsPerPixel;
    if (x >= slack && x <= window_.width() - slack) {
        QVERIFY2(!shown.line1.isNull(), "the marker is hidden though it lies in the window");
        QVERIFY2(std::abs(shown.line1.center().x() - x) <= slack,
                 qPrintable(QString("the marker line stands at %1 px, not at %2 px").arg(shown.line1.center().x()).arg(x)));
    } else if (x < -slack || x > window_.width() + slack) {
        QVERIFY2(shown.line1.isNull() || !shown.line1.intersects(window_.rect()),
                 qPrintable(QString("a marker off the window (%1 px) is still in sight").arg(x)));
    }
}

void MonkeyTest::checkFailure(const Failure& expected, const Inputs& before, const Results& resultsBefore,
                              const Results& shown, const Inputs& after, const QStringList& messages)
{
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.front(), failureMessage(expected));
    // The height is read (and rewritten) first; the weight is rewritten only once the
    // height has given a height in metres.
    const std::string heightText = withDecimalCommas(utf8(before.altezza));
    const bool heightRead = altezzaM(heightText).ok();
    QCOMPARE(after.altezza, fromUtf8(heightText));
    QCOMPARE(after.peso, heightRead ? fromUtf8(withDecimalCommas(utf8(before.peso))) : before.peso);
    QVERIFY2(shown == resultsBefore, "a calculation that failed changed what the window showed");
}

void MonkeyTest::randomCalculations()
{
    monkey::Noise noise(startingNoiseState);
    int succeeded = 0;
    const qsizetype topLevelsAtStart = QApplication::topLevelWidgets().size();

    for (int i = 0; i < calculations; ++i) {
        const monkey::RandomText weight = monkey::randomText(noise);
        const monkey::RandomText height = monkey::randomText(noise);
        if (weight.text)
            type(*peso_, *weight.text);
        if (height.text)
            type(*altezza_, *height.text);

        const Inputs before = inputs();
        const Results resultsBefore = results();
        const Result<Evaluation> expected = evaluate(utf8(before.peso), utf8(before.altezza));

        const QStringList messages = clickAndCollectMessages();
        const Results shown = results();
        const Inputs after = inputs();
        if (expected.ok())
            checkSuccess(*expected, shown, after, messages);
        else
            checkFailure(expected.error(), before, resultsBefore, shown, after, messages);

        const QWidgetList open = QApplication::topLevelWidgets();
        const bool dialogLeftOpen = std::any_of(open.begin(), open.end(), [this](QWidget* widget) {
            return widget != &window_ && widget->isVisible();
        });
        if (dialogLeftOpen)
            QFAIL("a window or dialog stayed open after the calculation");

        if (QTest::currentTestFailed()) {
            qWarning("calculation %d: weight (%s) \"%s\", height (%s) \"%s\"", i + 1, weight.kind.data(),
                     qPrintable(shortened(before.peso)), height.kind.data(), qPrintable(shortened(before.altezza)));
            return;
        }
        succeeded += expected.ok() ? 1 : 0;
    }

    // Closed message boxes are deleted, not piled up.
    QVERIFY(QApplication::topLevelWidgets().size() <= topLevelsAtStart + 1);
    qInfo("%d calculations: %d showed results, %d showed a message", calculations, succeeded,
          calculations - succeeded);
    QVERIFY2(succeeded > calculations / 10 && succeeded < calculations * 9 / 10,
             "the random texts should give both results and failures in good number");
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
