// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as designed: every control where the design puts it, looking as the
// design says, stacked and focused in the designed order.
#include "calculation_model.h"
#include "screen_colour.h"
#include "window_test.h"

#include "window/design_conversions.h"
#include "window/fitting_label.h"
#include "window/form_builder.h"
#include "window/form_design.h"
#include "window/italian_qt_texts.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QToolTip>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

using zorvel::MainWindow;

namespace {

// Contrast ratio as the web's accessibility guidelines define it, from 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The text a control shows: a caption, what a box holds, a button's or a frame's title.
QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        return box->text();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return button->text();
    }
    const auto* frame = qobject_cast<const QGroupBox*>(widget);
    return frame ? frame->title() : QString();
}

// DejaVu Sans, a wider face than the window's, read from its files where the platform's
// font database does not list it: Qt for Windows reads only its own folder.
bool haveDejaVuSans() {
    const QString family = QStringLiteral("DejaVu Sans");
    if (!QFontDatabase::families().contains(family)) {
        for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
            QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") +
                                              QLatin1String(file));
        }
    }
    return QFontDatabase::families().contains(family);
}

// How many pixels of `shot` differ from those at the same place in `expected`; all of
// them where the sizes differ.
qsizetype differingPixels(const QImage& shot, const QImage& expected) {
    if (shot.size() != expected.size()) {
        return qsizetype{shot.width()} * shot.height();
    }
    qsizetype differing = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            differing += shot.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

// When a style sheet for every program reaches the window.
enum class SheetComes { atStart, whileOpen };

} // namespace

class FormTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { zorvel::useItalianQtTexts(); }
    void windowProperties();
    void everyControlBuiltInItsContainer();
    void whereTheDesignPutsThem_data();
    void whereTheDesignPutsThem();
    void overlapsAreTheDesignedOnes();
    void appearance_data();
    void appearance();
    void tabCyclesThroughBoxesAndButton_data();
    void tabCyclesThroughBoxesAndButton();
    void keysOnTheForm_data();
    void keysOnTheForm();
    void designedCaptionsFit();
    void pastedTextLosesInvisibleEnds_data();
    void pastedTextLosesInvisibleEnds();
    void resultsShownWhole_data();
    void resultsShownWhole();
    void markerStandsOutOnEveryClassColour_data();
    void markerStandsOutOnEveryClassColour();
    void textsReadableUnderAnyTheme_data();
    void textsReadableUnderAnyTheme();
    void screenReaderNames_data();
    void screenReaderNames();
};

void FormTest::windowProperties() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Zorvel"));
    QCOMPARE(window_->size(), QSize(327, 326)); // 4905 x 4890 twips
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::X11BypassWindowManagerHint));
    QCOMPARE(window_->windowType(), Qt::Window); // not a tool window: closing it must end the program
    QVERIFY(window_->testAttribute(Qt::WA_QuitOnClose));
}

// Every control of the design is there, shown and enabled, without a hint of its own,
// in its container and inside it. Only the bar's right box and the scale's bounds
// run past the window's right and bottom edges, as designed; they still show.
void FormTest::everyControlBuiltInItsContainer() {
    const QStringList cutByTheWindowsEdge{"segue", "dopo", "Dp", "Sp"};
    for (const zorvel::ControlDesign& design : zorvel::form1Controls()) {
        const QString name = QString::fromLatin1(design.name);
        const QWidget* widget = control(qPrintable(name));
        const QWidget* container = widget->parentWidget();
        const QString containerName =
            design.container.empty() ? QStringLiteral("Form1") : QString::fromLatin1(design.container);
        QVERIFY2(container->objectName() == containerName, qPrintable(name + " in " + container->objectName()));
        QVERIFY2(widget->isVisible() && widget->isEnabled(), qPrintable(name));
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(name));
        const bool inside = container->rect().contains(widget->geometry());
        QVERIFY2(inside != cutByTheWindowsEdge.contains(name), qPrintable(name + (inside ? " inside" : " cut")));
        QVERIFY2(container->rect().intersects(widget->geometry()), qPrintable(name + " out of sight"));
    }
}

// A few controls against the design, in twips from the window's corner (frame
// children included), to catch a wrong frame-relative value as well as a wrong
// conversion.
void FormTest::whereTheDesignPutsThem_data() {
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("peso") << QRect(840, 480, 615, 285) << "";
    QTest::newRow("Command1") << QRect(1560, 600, 855, 375) << "Calcola";
    QTest::newRow("Label2") << QRect(240, 840, 615, 255) << "Alteza:"; // one t, as designed
    QTest::newRow("MaxP") << QRect(3960, 840, 735, 255) << "";
    QTest::newRow("Frame2") << QRect(2640, 120, 2175, 1335) << "Peso Forma";
    QTest::newRow("adesso") << QRect(360, 4320, 4215, 375) << "";
    QTest::newRow("Label3") << QRect(2040, 4110, 615, 255) << "Med";
    QTest::newRow("Line1") << QRect(2400 - 37, 4380, 75, 220) << ""; // 5 pixels wide, centred on x 2400
    // clang-format on
}

void FormTest::whereTheDesignPutsThem() {
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    const QWidget* widget = control(QTest::currentDataTag());
    const auto pixels = [](int value) { return qRound(value / 15.0); };
    const QRect expected(pixels(twips.left()), pixels(twips.top()),
                         pixels(twips.left() + twips.width()) - pixels(twips.left()),
                         pixels(twips.top() + twips.height()) - pixels(twips.top()));
    QCOMPARE(QRect(widget->mapTo(window_.get(), QPoint(0, 0)), widget->size()), expected);
    QCOMPARE(shownText(widget), text);
}

// The controls the design lays over one another, each with the ones it covers: the
// marker, the bar and its end boxes over their outlines, the scale's bounds and the
// top of the index box; the index and the title on the blue box; the picture on its
// white panel; a pixel's overlap where the design's captions meet their neighbours.
// Any other two controls of one container that overlap, or a pair stacked the other
// way round, are a fault.
void FormTest::overlapsAreTheDesignedOnes() {
    const std::pair<QString, QStringList> designed[] = {
        {"Line1", {"adesso", "ora"}},
        {"poi", {"adesso", "prima", "Dp", "ora"}},
        {"segue", {"adesso", "dopo", "Sp", "ora"}},
        {"adesso", {"prima", "dopo", "Dp", "Sp", "ora", "Label3", "Shape1"}},
        {"prima", {"Dp", "ora"}},
        {"dopo", {"Sp", "ora"}},
        {"Dp", {"ora"}},
        {"Sp", {"ora"}},
        {"ora", {"Label3", "Shape1"}},
        {"Label3", {"Shape1"}},
        {"Label6", {"Shape1", "tipoT"}},
        {"Image1", {"Shape2"}},
        {"altezza", {"Label2"}},
    };
    QStringList expected;
    for (const auto& [front, behind] : designed) {
        for (const QString& back : behind) {
            expected << front + " over " + back;
        }
    }
    // Later siblings are drawn over earlier ones.
    QStringList found;
    QList<QWidget*> containers = window_->findChildren<QWidget*>();
    containers << window_.get();
    for (const QWidget* container : containers) {
        const QList<QWidget*> siblings = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype back = 0; back < siblings.size(); ++back) {
            for (qsizetype front = back + 1; front < siblings.size(); ++front) {
                if (!siblings[front]->objectName().isEmpty() && !siblings[back]->objectName().isEmpty() &&
                    siblings[front]->geometry().intersects(siblings[back]->geometry())) {
                    found << siblings[front]->objectName() + " over " + siblings[back]->objectName();
                }
            }
        }
    }
    const auto missingFrom = [](const QStringList& list, const QStringList& from) {
        QStringList missing;
        std::ranges::copy_if(from, std::back_inserter(missing),
                             [&list](const QString& pair) { return !list.contains(pair); });
        return missing.join(", ");
    };
    QVERIFY2(
        found.size() == expected.size() && missingFrom(found, expected).isEmpty(),
        qPrintable("not designed: " + missingFrom(expected, found) + "; missing: " + missingFrom(found, expected)));
}

// The looks that carry meaning, against the design: the result's class name and the
// program's name in colour, the index in white on its blue box, the frames' bold
// captions; and a plain caption for the rest.
void FormTest::appearance_data() {
    QTest::addColumn<QColor>("textColour"); // invalid: the system colour
    QTest::addColumn<bool>("opaque");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("alignment");

    const QColor system;
    // clang-format off
    QTest::newRow("tipoT") << QColor(192, 0, 0) << true << 9.75 << true << int(Qt::AlignHCenter);
    QTest::newRow("Label6") << QColor(0, 0, 255) << false << 9.75 << true << int(Qt::AlignHCenter);
    QTest::newRow("Label3") << QColor(255, 255, 255) << false << 8.25 << true << int(Qt::AlignHCenter);
    QTest::newRow("Frame1") << system << false << 8.25 << true << -1;
    QTest::newRow("Label1") << system << false << 8.25 << false << int(Qt::AlignLeft);
    QTest::newRow("Sp") << system << false << 8.25 << false << int(Qt::AlignRight);
    QTest::newRow("minP") << system << true << 8.25 << false << int(Qt::AlignHCenter);
    // clang-format on
}

void FormTest::appearance() {
    QFETCH(QColor, textColour);
    QFETCH(bool, opaque);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    QFETCH(int, alignment);
    const QWidget* widget = control(QTest::currentDataTag());

    const QColor systemText = zorvel::designPalette(zorvel::form1SystemColours()).color(QPalette::WindowText);
    QCOMPARE(widget->palette().color(QPalette::WindowText), textColour.isValid() ? textColour : systemText);
    QCOMPARE(widget->autoFillBackground(), opaque);
    QCOMPARE(widget->font().pointSizeF(), pointSize);
    QCOMPARE(widget->font().bold(), bold);
    QVERIFY(!widget->font().italic() && !widget->font().underline() && !widget->font().strikeOut());
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    }
}

void FormTest::tabCyclesThroughBoxesAndButton_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("visited");
    QTest::newRow("Tab") << Qt::Key_Tab << QStringList{"altezza", "Command1", "peso", "altezza"};
    QTest::newRow("Shift+Tab") << Qt::Key_Backtab << QStringList{"Command1", "altezza", "peso", "Command1"};
}

void FormTest::tabCyclesThroughBoxesAndButton() {
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, visited);
    QCOMPARE(QApplication::focusWidget(), control("peso"));
    for (const QString& expected : visited) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
}

// Enter and Esc do nothing in a box or on the button (no default button, no cancel),
// so the window stays as it starts: no index, class or picture, the bar not coloured;
// Space, Return and keypad Enter press a focused "Calcola".
void FormTest::keysOnTheForm_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("calculates");
    QTest::newRow("Enter in peso") << "peso" << Qt::Key_Return << false;
    QTest::newRow("Enter in altezza") << "altezza" << Qt::Key_Return << false;
    QTest::newRow("keypad Enter in altezza") << "altezza" << Qt::Key_Enter << false;
    QTest::newRow("Esc in peso") << "peso" << Qt::Key_Escape << false;
    QTest::newRow("Esc on Calcola") << "Command1" << Qt::Key_Escape << false;
    QTest::newRow("Space on Calcola") << "Command1" << Qt::Key_Space << true;
    QTest::newRow("Return on Calcola") << "Command1" << Qt::Key_Return << true;
    QTest::newRow("keypad Enter on Calcola") << "Command1" << Qt::Key_Enter << true;
}

void FormTest::keysOnTheForm() {
    QFETCH(QString, focused);
    QFETCH(Qt::Key, key);
    QFETCH(bool, calculates);
    control<QLineEdit>("peso")->setText("70");
    control<QLineEdit>("altezza")->setText("175");
    QWidget* target = control(qPrintable(focused));
    target->setFocus();
    QTest::keyClick(target, key);
    QCOMPARE(control<QLabel>("Label3")->text(), calculates ? QStringLiteral("22,85") : QStringLiteral("Med"));
    QCOMPARE(control<QLabel>("tipoT")->text(),
             calculates ? QString::fromUtf8(zorvel::model::classes[4].name) : QString());
    QCOMPARE(control<QLabel>("Image1")->pixmap().isNull(), !calculates);
    const QColor besideMarker =
        window_->grab().toImage().pixelColor(2400 / 15 - 10, control("adesso")->geometry().center().y());
    QCOMPARE(besideMarker == window_->palette().color(QPalette::Window), !calculates);
    QVERIFY(window_->isVisible());
    QCOMPARE(QApplication::focusWidget(), target);
}

// At 96 dots per inch, in the face the window really uses and in wider ones: a
// caption or a result drawn smaller where it must, but whole.
void FormTest::designedCaptionsFit() {
    QCOMPARE(QFontInfo(control("Label1")->font()).pixelSize(), 11);
    // Wine's bitmap face, which fontconfig's default settings leave out.
    const int wineFace = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"));
    QVERIFY2(wineFace >= 0, "fonts-wine is not installed");
    QVERIFY2(haveDejaVuSans(), "fonts-dejavu-core is not installed");
    const auto removeWineFace = qScopeGuard([wineFace] { QFontDatabase::removeApplicationFont(wineFace); });
    for (const QString& face : {QString(), QStringLiteral("DejaVu Sans"), QStringLiteral("MS Sans Serif")}) {
        for (const zorvel::ControlDesign& design : zorvel::form1Controls()) {
            auto* widget = control(design.name.data());
            if (!face.isEmpty()) {
                QFont font = widget->font();
                font.setFamily(face);
                widget->setFont(font);
            }
            const QString where = face + QLatin1Char(' ') + QString::fromUtf8(design.name.data());
            const QFontMetrics metrics = widget->fontMetrics();
            if (const auto* fitting = qobject_cast<const zorvel::FittingLabel*>(widget)) {
                const zorvel::FittingLabel::Fit fit = fitting->fit();
                QVERIFY2(fit.text == fitting->text(), qPrintable(where));
                QVERIFY2(QFontMetrics(fit.font).horizontalAdvance(fit.text) <=
                             fitting->contentsRect().width() - 2 * zorvel::FittingLabel::margin,
                         qPrintable(where));
            } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(), qPrintable(where));
            } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
                QVERIFY2(metrics.horizontalAdvance(button->text()) < button->width() - 8, qPrintable(where));
            } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
                QVERIFY2(metrics.horizontalAdvance(frame->title()) < frame->width() - 16, qPrintable(where));
            }
            QVERIFY2(metrics.height() <= widget->contentsRect().height() + 3 || !qobject_cast<QLabel*>(widget),
                     qPrintable(where));
        }
    }
}

// A copied number's line break and other invisible ends go; what shows stays, and so
// does everything already in the box, up to the box's length.
void FormTest::pastedTextLosesInvisibleEnds_data() {
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("before"); // "|" marks the cursor
    QTest::addColumn<bool>("byMenu");    // or by keys
    QTest::addColumn<QString>("after");
    // clang-format off
    QTest::newRow("spreadsheet cell") << "70\n" << "|" << false << "70";
    QTest::newRow("line from Windows, by the menu") << "1,75\r\n" << "|" << true << "1,75";
    QTest::newRow("tab, zero-width space, byte-order mark, paragraph end") << QString::fromUtf8("\t\u200B\uFEFF70\u2029") << "|" << false << "70";
    QTest::newRow("what shows stays, and a break inside") << QString::fromUtf8("\u00A07\n0\n") << "|" << false << QString::fromUtf8("\u00A07\n0");
    QTest::newRow("right-to-left marks, as a web page's number carries them") << QString::fromUtf8("\u200F70\u200F") << "|" << false << "70";
    QTest::newRow("left-to-right marks, by the menu") << QString::fromUtf8("\u200E1,75\u200E") << "|" << true << "1,75";
    QTest::newRow("into the middle") << "7\n" << "1|5" << false << "175";
    QTest::newRow("plain number, Qt's own paste") << "70" << "|" << true << "70";
    // Cut at Qt's usual bound, far beyond any number, so that the box stays quick to type in.
    QTest::newRow("a page of digits") << QString(100'000, '7') << "|" << false << QString(32767, '7');
    // clang-format on
}

void FormTest::pastedTextLosesInvisibleEnds() {
    QFETCH(QString, copied);
    QFETCH(QString, before);
    QFETCH(bool, byMenu);
    QFETCH(QString, after);
    auto* box = control<QLineEdit>("peso");
    box->setText(QString(before).remove(QLatin1Char('|')));
    box->setCursorPosition(static_cast<int>(before.indexOf(QLatin1Char('|'))));
    QApplication::clipboard()->setText(copied);
    if (!byMenu) {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else {
        QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, QPoint(), box->mapToGlobal(QPoint()));
        QApplication::sendEvent(box, &menuRequest);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        // In Italian, as the program sets Qt's texts.
        QStringList captions;
        for (const QAction* action : menu->actions()) {
            captions << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        }
        for (const char* caption : {"Annulla", "Taglia", "Incolla", "Seleziona tutto"}) {
            QVERIFY2(captions.contains(QLatin1String(caption)), qPrintable(captions.join(", ")));
        }
        const auto paste = menu->actions().at(captions.indexOf(QStringLiteral("Incolla")));
        paste->trigger();
        menu->close();
    }
    QCOMPARE(box->text(), after);
}

enum class Shown { asDesigned, smaller, shortened };
Q_DECLARE_METATYPE(Shown)

// A result too wide for its box at the designed font is drawn smaller, and shortened
// with "…" only below the smallest legible font; the whole text stays what the label
// holds, what a screen reader reads and what its tool tip shows.
void FormTest::resultsShownWhole_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<QString>("face"); // empty: the one the window uses
    QTest::addColumn<int>("width");    // in logical pixels; 0: as designed
    using enum Shown;
    // clang-format off
    QTest::newRow("index 22,85") << "Label3" << "22,85" << asDesigned << QString() << 0;
    QTest::newRow("index 40312420,89") << "Label3" << "40312420,89" << shortened << QString() << 0;
    QTest::newRow("index 3,26530612244898E+16") << "Label3" << "3,26530612244898E+16" << shortened << QString() << 0;
    QTest::newRow("lowest 56,65") << "minP" << "56,65" << asDesigned << QString() << 0;
    QTest::newRow("lowest 1986301,13") << "minP" << "1986301,13" << shortened << QString() << 0;
    QTest::newRow("highest 2673453,07") << "MaxP" << "2673453,07" << shortened << QString() << 0;
    QTest::newRow("highest 7,98368098147048E+15") << "MaxP" << "7,98368098147048E+15" << shortened << QString() << 0;
    QTest::newRow("left bound 18,5") << "Dp" << "18,5" << asDesigned << QString() << 0;
    QTest::newRow("left bound 1000,5") << "Dp" << "1000,5" << smaller << QString() << 0;
    QTest::newRow("right bound 49,9") << "Sp" << "49,9" << asDesigned << QString() << 0;
    QTest::newRow("class 9's name") << "tipoT" << QString::fromUtf8(zorvel::model::classes[9].name) << asDesigned << QString() << 0;
    QTest::newRow("class name longer than the window") << "tipoT" << QString(60, QLatin1Char('W')) << shortened << QString() << 0;
    // A wider face than the window's, as where its own is missing.
    QTest::newRow("index 40312420,89, DejaVu") << "Label3" << "40312420,89" << shortened << "DejaVu Sans" << 0;
    QTest::newRow("index 3,26530612244898E+16, DejaVu") << "Label3" << "3,26530612244898E+16" << shortened << "DejaVu Sans" << 0;
    QTest::newRow("first step 0,00228394895, DejaVu") << "minP" << "0,00228394895" << shortened << "DejaVu Sans" << 0;
    QTest::newRow("highest 2673453,07, DejaVu") << "MaxP" << "2673453,07" << shortened << "DejaVu Sans" << 0;
    // Narrowed until nothing but the shortest form of a number fits: it keeps its comma.
    QTest::newRow("index 40312420,89, narrowed") << "Label3" << "40312420,89" << shortened << QString() << 26;
    QTest::newRow("first step 0,00228394895, narrowed") << "minP" << "0,00228394895" << shortened << QString() << 26;
    // clang-format on
}

void FormTest::resultsShownWhole() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(Shown, shown);
    QFETCH(QString, face);
    QFETCH(int, width);
    auto* caption = qobject_cast<zorvel::FittingLabel*>(control(qPrintable(label)));
    QVERIFY(caption);
    if (width > 0) {
        caption->resize(width, caption->height());
    }
    if (!face.isEmpty()) {
        QVERIFY2(haveDejaVuSans(), "fonts-dejavu-core is not installed");
        QFont font = caption->font();
        font.setFamily(face);
        caption->setFont(font);
    }
    const QFont designed = caption->font();
    caption->setText(text);
    QCOMPARE(caption->text(), text);

    const zorvel::FittingLabel::Fit fit = caption->fit();
    const int available = caption->contentsRect().width() - 2 * zorvel::FittingLabel::margin;
    QVERIFY(QFontMetrics(fit.font).horizontalAdvance(fit.text) <= available);
    // Smaller digits are too faint to read, but for the shortest form of a number.
    QVERIFY(fit.font.pointSizeF() >= (shown == Shown::shortened ? zorvel::FittingLabel::lastResortPointSize : 7.0));
    QCOMPARE(fit.font == designed, shown == Shown::asDesigned);
    QCOMPARE(fit.text == text, shown != Shown::shortened);
    if (shown == Shown::shortened) {
        QVERIFY(fit.font.pointSizeF() <= zorvel::FittingLabel::minimumPointSize);
        QVERIFY(fit.text.contains(QChar(0x2026)));
    }
    // A number loses digits only: it keeps its beginning, at least a digit, before
    // the "…", its end after it, and with them its exponent, or else its comma.
    if (fit.text != text && text.front().isDigit()) {
        const qsizetype cut = fit.text.indexOf(QChar(0x2026));
        const QString beginning = fit.text.first(cut);
        const QString end = fit.text.sliced(cut + 1);
        QVERIFY2(!beginning.isEmpty() && beginning.back().isDigit() && text.startsWith(beginning) && text.endsWith(end),
                 qPrintable(fit.text));
        const qsizetype exponent = text.indexOf(QLatin1Char('E'));
        QVERIFY2(exponent < 0 ? fit.text.contains(QLatin1Char(',')) == text.contains(QLatin1Char(','))
                              : end.endsWith(text.sliced(exponent)),
                 qPrintable(fit.text));
    }

    // As drawn, no ink touches a side of the box the text is not aligned to: nothing
    // is cut off.
    const QImage drawn = caption->grab().toImage();
    const QRect inside = caption->contentsRect();
    const QRgb background = drawn.pixel(inside.topLeft());
    const auto inked = [&](int x) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (drawn.pixel(x, y) != background) {
                return true;
            }
        }
        return false;
    };
    QVERIFY(caption->alignment() & Qt::AlignLeft || !inked(inside.left()));
    QVERIFY(caption->alignment() & Qt::AlignRight || !inked(inside.right()));

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(caption);
    QCOMPARE(accessible->text(QAccessible::Name), text);

    const QPoint middle = caption->rect().center();
    QHelpEvent help(QEvent::ToolTip, middle, caption->mapToGlobal(middle));
    QApplication::sendEvent(caption, &help);
    QCOMPARE(help.isAccepted(), shown == Shown::shortened);
    if (shown == Shown::shortened) {
        QCOMPARE(QToolTip::text(), text);
    }
    QToolTip::hideText();
}

void FormTest::markerStandsOutOnEveryClassColour_data() {
    QTest::addColumn<QColor>("bar");
    for (const zorvel::model::ClassRow& row : zorvel::model::classes) {
        const QColor bar = screenColour(row.colour);
        QTest::addRow("%s, %s", row.name, qPrintable(bar.name())) << bar;
    }
}

// The marker stays black and 5 pixels wide, and on each side its edge (its own or an
// outline's) stands out from the bar by at least the 3:1 that a graphic needs.
void FormTest::markerStandsOutOnEveryClassColour() {
    QFETCH(QColor, bar);
    auto* adesso = control("adesso");
    QPalette palette = adesso->palette();
    palette.setColor(QPalette::Window, bar);
    adesso->setPalette(palette);

    const QImage shot = window_->grab().toImage();
    const QRect marker(control("Line1")->mapTo(window_.get(), QPoint(0, 0)), control("Line1")->size());
    const int row = marker.center().y();
    const QColor black = window_->palette().color(QPalette::WindowText);
    QCOMPARE(marker.width(), 5);
    for (int x = marker.left(); x <= marker.right(); ++x) {
        QCOMPARE(shot.pixelColor(x, row), black);
    }
    const int edgeOutside = 3; // the farthest an outline may reach
    QCOMPARE(shot.pixelColor(marker.left() - edgeOutside - 1, row), bar);
    QCOMPARE(shot.pixelColor(marker.right() + edgeOutside + 1, row), bar);
    for (const int step : {-1, 1}) {
        const int core = step < 0 ? marker.left() : marker.right();
        double best = 1;
        for (int x = core; x != core + step * (edgeOutside + 1); x += step) {
            best = std::max(best, contrast(shot.pixelColor(x, row), bar));
        }
        QVERIFY2(best >= 3, qPrintable(QStringLiteral("%1 side: %2:1").arg(step < 0 ? "left" : "right").arg(best)));
    }
}

// The desktop's palette, as a theme hands it to every program, and a style sheet set
// for every program, as -stylesheet or a platform theme sets it, at start or later.
void FormTest::textsReadableUnderAnyTheme_data() {
    QTest::addColumn<QPalette>("desktop");
    QTest::addColumn<QString>("styleSheet");
    QTest::addColumn<SheetComes>("comes");
    const QPalette light = QApplication::palette();
    QTest::newRow("default light palette") << light << QString() << SheetComes::atStart;
    // As KDE's Breeze Dark gives it.
    QPalette dark;
    using enum QPalette::ColorRole;
    const std::pair<QRgb, QList<QPalette::ColorRole>> breezeDark[] = {
        {0x31363B, {Window, AlternateBase, Button, ToolTipBase}},
        {0xEFF0F1, {WindowText, Text, ButtonText, HighlightedText, ToolTipText}},
        {0x232629, {Base}},
        {0x41474D, {Light}},
        {0x3A3F44, {Midlight}},
        {0x25292C, {Mid}},
        {0x1A1D1F, {Dark}},
        {0x121415, {Shadow}},
        {0x3DAEE9, {Highlight}},
    };
    for (const auto& [colour, roles] : breezeDark) {
        for (const QPalette::ColorRole role : roles) {
            dark.setColor(role, QColor(colour));
        }
    }
    QTest::newRow("Breeze Dark palette") << dark << QString() << SheetComes::atStart;
    const QString darkSheet = "QWidget { background-color: #2B2B2B; color: #A9B7C6; }"
                              "QLineEdit, QPushButton { background-color: #3C3F41; color: #BBBBBB; }";
    const std::tuple<const char*, QPalette, QString> sheets[] = {
        {"dark sheet", light, darkSheet},
        {"dark sheet, dark palette", dark, darkSheet},
        {"fonts and captions sheet", light,
         "* { font: italic 14pt \"DejaVu Serif\"; padding: 4px; margin: 2px; }"
         "QGroupBox::title { color: #FFCC66; padding: 3px; }"},
        {"min sizes sheet", light, "* { min-width: 120px; min-height: 40px; }"},
        {"properties sheet", light,
         "QLabel { qproperty-alignment: AlignRight; qproperty-indent: 9; }"
         "QLineEdit { qproperty-alignment: AlignRight; qproperty-frame: false; }"},
        {"borders sheet", light,
         "* { border: 3px solid red; } QPushButton { background: orange; border-radius: 9px; }"},
        {"tool-tip sheet", light, "QToolTip { font: 5pt; color: #555555; background-color: black; }"},
    };
    for (const auto& [name, palette, sheet] : sheets) {
        QTest::addRow("%s at start", name) << palette << sheet << SheetComes::atStart;
        QTest::addRow("%s set while open", name) << palette << sheet << SheetComes::whileOpen;
    }
}

// Every text stands out from what lies behind it by the 4.5:1 that text needs, and
// the marker stays black, whatever palette the desktop gives the program; the hints
// come in the window's own font and colours, whatever the desktop gives tool tips. A
// style sheet leaves the window and its hints as they are without one, to the pixel.
void FormTest::textsReadableUnderAnyTheme() {
    QFETCH(QPalette, desktop);
    QFETCH(QString, styleSheet);
    QFETCH(SheetComes, comes);
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&before] {
        qApp->setStyleSheet(QString());
        QApplication::setPalette(before);
    });
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(desktop);
    QToolTip::setPalette(desktop);
    QFont desktopFont = QApplication::font();
    desktopFont.setPointSizeF(desktopFont.pointSizeF() + 3);
    QToolTip::setFont(desktopFont);
    const auto showWindow = [this] {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        return QTest::qWaitForWindowExposed(window_.get());
    };
    const auto press = [this] {
        control<QLineEdit>("peso")->setText("170");
        control<QLineEdit>("altezza")->setText("1,75");
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    };
    // The hint of the colour bar.
    const auto showHint = [this] {
        QWidget* box = control("adesso");
        box->setToolTip(QStringLiteral("PESO FORMA"));
        QHelpEvent hint(QEvent::ToolTip, QPoint(), box->mapToGlobal(QPoint()));
        QApplication::sendEvent(box, &hint);
        // The hint is a window of its own; on Windows it has no parent widget.
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto tip = std::ranges::find_if(windows, [](const QWidget* window) {
            return window->objectName() == QStringLiteral("qtooltip_label") && window->isVisible();
        });
        return tip != windows.end() ? *tip : nullptr;
    };
    QVERIFY(showWindow());
    press();
    QVERIFY(!QApplication::activeModalWidget());
    QWidget* tip = showHint();
    QVERIFY(tip);
    const QImage plainTip = tip->grab().toImage();
    QCOMPARE(tip->font(), window_->font());
    for (const QPalette::ColorRole role : {QPalette::ToolTipBase, QPalette::ToolTipText}) {
        QCOMPARE(tip->palette().color(role), window_->palette().color(role));
    }
    QToolTip::hideText();

    const QImage shot = window_->grab().toImage();
    const auto mostCommonColour = [&shot](const QRect& area) {
        QHash<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ++counts[shot.pixel(x, y)];
            }
        }
        return QColor(std::ranges::max(counts.keys(), {}, [&counts](QRgb colour) { return counts[colour]; }));
    };
    for (const zorvel::ControlDesign& design : zorvel::form1Controls()) {
        QWidget* widget = control(design.name.data());
        if (shownText(widget).isEmpty()) {
            continue;
        }
        const QPalette::ColorRole role = qobject_cast<QLineEdit*>(widget) ? QPalette::Text : widget->foregroundRole();
        const QRect inside = widget->contentsRect().intersected(widget->rect().adjusted(3, 3, -3, -3));
        QRect area(widget->mapTo(window_.get(), inside.topLeft()), inside.size());
        if (qobject_cast<const QGroupBox*>(widget)) {
            area.setHeight(widget->fontMetrics().height()); // the caption's line
        }
        const QColor background = mostCommonColour(area.intersected(window_->rect()));
        const double ratio = contrast(widget->palette().color(role), background);
        QVERIFY2(ratio >= 4.5,
                 qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                                .arg(design.name.data(), widget->palette().color(role).name(), background.name())
                                .arg(ratio)));
    }
    // The colours that carry the result, as designed: class 9 and its neighbours on the
    // scale, the black marker, the blue index box.
    const QColor black(Qt::black);
    QCOMPARE(shot.pixelColor(12, 300), classColour(8));
    QCOMPARE(shot.pixelColor(315, 300), classColour(10));
    const int marker = control("Line1")->geometry().center().x();
    QCOMPARE(shot.pixelColor(marker, 300), black);
    QCOMPARE(shot.pixelColor(marker + 10, 300), classColour(9));
    QCOMPARE(shot.pixelColor(140, 281), QColor(0, 0, 255));
    // One look, the window's own, under a dark palette too: no light strips on dark,
    // and the dark boxes of the scale stay apart.
    QVERIFY(mostCommonColour(window_->rect()) ==
            zorvel::designPalette(zorvel::form1SystemColours()).color(QPalette::Window));
    QVERIFY(contrast(shot.pixelColor(control("segue")->x(), 300), black) >= 3.0);

    if (styleSheet.isEmpty()) {
        return;
    }
    // Set while open, the sheet meets the window with its results shown.
    if (comes == SheetComes::atStart) {
        window_.reset();
        qApp->setStyleSheet(styleSheet);
        QVERIFY(showWindow());
        press();
    } else {
        qApp->setStyleSheet(styleSheet);
        QCoreApplication::processEvents();
    }
    tip = showHint();
    QVERIFY(tip);
    const QImage tipUnderSheet = tip->grab().toImage();
    QToolTip::hideText();
    QCOMPARE(differingPixels(window_->grab().toImage(), shot), 0);
    QCOMPARE(differingPixels(tipUnderSheet, plainTip), 0);
}

void FormTest::screenReaderNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("peso") << "Peso" << QAccessible::EditableText;
    QTest::newRow("altezza") << "Altezza" << QAccessible::EditableText;
    QTest::newRow("Command1") << "Calcola" << QAccessible::Button;
    QTest::newRow("Label3") << "Med" << QAccessible::StaticText;
    QTest::newRow("Dp") << "Min" << QAccessible::StaticText;
    QTest::newRow("tipoT") << "" << QAccessible::StaticText;
}

void FormTest::screenReaderNames() {
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(QTest::currentDataTag()));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->role(), role);
}

QTEST_MAIN(FormTest)
#include "form_test.moc"
