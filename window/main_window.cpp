#include "main_window.h"

#include "failure_messages.h"
#include "form_builder.h"
#include "form_design.h"
#include "platform.h"

#include "assets/application_icon.h"
#include "assets/class_pictures.h"
#include "evaluation/marker.h"
#include "evaluation/measurements.h"
#include "evaluation/numbers.h"
#include "evaluation/weight_classes.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <cmath>
#include <string>

namespace zorvel {
namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename Widget>
Widget* control(const QWidget& form, std::string_view name) {
    auto* widget = form.findChild<Widget*>(toQString(name));
    Q_ASSERT(widget);
    return widget;
}

// Rewrites the box only when the text changes, so that its cursor and undo history
// stay as the user left them.
std::string rewriteWithDecimalCommas(QLineEdit& box) {
    const std::string rewritten = withDecimalCommas(box.text().toStdString());
    if (toQString(rewritten) != box.text()) {
        box.setText(toQString(rewritten));
    }
    return rewritten;
}

void setBoxColour(QLabel& box, Colour colour) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    box.setPalette(palette);
}

// A frame the window manager announces is used only when it could be one: a frame
// with a negative side, or one larger than the screen, is a transient reading.
bool isPlausibleFrame(QMargins frame, QSize client, QSize screen) {
    return frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
           client.width() + frame.left() + frame.right() <= screen.width() &&
           client.height() + frame.top() + frame.bottom() <= screen.height();
}

constexpr Qt::WindowFlags fixedDialogFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                             Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, fixedDialogFrame) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(form1Design.title));
    setWindowIcon(applicationIcon());
    setFont(designFont(form1Design.font));
    setFixedSize(twipsToPixels(form1Design.clientWidth), twipsToPixels(form1Design.clientHeight));

    buildForm(*this, form1Controls());
    peso_ = control<QLineEdit>(*this, "peso");
    altezza_ = control<QLineEdit>(*this, "altezza");
    command1_ = control<QPushButton>(*this, "Command1");
    label3_ = control<QLabel>(*this, "Label3");
    minP_ = control<QLabel>(*this, "minP");
    maxP_ = control<QLabel>(*this, "MaxP");
    dp_ = control<QLabel>(*this, "Dp");
    sp_ = control<QLabel>(*this, "Sp");
    poi_ = control<QLabel>(*this, "poi");
    adesso_ = control<QLabel>(*this, "adesso");
    segue_ = control<QLabel>(*this, "segue");
    tipoT_ = control<QLabel>(*this, "tipoT");
    line1_ = control<QWidget>(*this, "Line1");
    image1_ = control<QLabel>(*this, "Image1");
    markerX_ = static_cast<float>(controlDesign("Line1").left);

    failureMessage_ = new QMessageBox(QMessageBox::Warning, windowTitle(), QString(), QMessageBox::Ok, this);
    failureMessage_->setObjectName(QStringLiteral("failureMessage"));
    failureMessage_->setWindowModality(Qt::ApplicationModal);
    connect(failureMessage_, &QDialog::finished, this, &MainWindow::returnToBoxToCorrect);

    connect(command1_, &QPushButton::clicked, this, &MainWindow::calcola);
    for (QLabel* box : {poi_, adesso_, segue_}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }
    // The window stays on top so that it can be read while the user works in another
    // one: its hints must come up then too.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    peso_->setFocus();
    watchAnnouncedFrame(*this, [this] { centreInAnnouncedFrame(); });
}

int MainWindow::categoria() const { return categoria_.value_or(0); }

int MainWindow::pictureId() const { return pictureId_; }

float MainWindow::markerX() const { return markerX_; }

bool MainWindow::calcola() {
    const bool completed = runSteps();
    if (!completed && failure_) {
        reportFailure(*failure_);
    } else if (!completed) {
        reportMissingPicture();
    }
    return completed;
}

// Each step writes its result as soon as it has it; the first failure stops the
// command and leaves every earlier write in the window.
bool MainWindow::runSteps() {
    failure_.reset();

    const std::string heightText = rewriteWithDecimalCommas(*altezza_);
    const Result<double> height = altezzaM(heightText);
    if (!height) {
        failure_ = height.error();
        return false;
    }

    const std::string weightText = rewriteWithDecimalCommas(*peso_);
    const Result<double> index = indice(weightText, *height);
    if (!index) {
        failure_ = index.error();
        return false;
    }
    label3_->setText(toQString(formatNumber(*index)));

    for (const auto& [label, factor] : {std::pair{minP_, lowestBandFactor}, std::pair{maxP_, highestBandFactor}}) {
        label->setText(toQString(normalBoundFirstStep(factor, *height)));
        const Result<double> bound = normalBoundFromFirstStep(label->text().toStdString(), *height);
        if (!bound) {
            failure_ = bound.error();
            return false;
        }
        label->setText(toQString(formatNumber(*bound)));
    }

    if (const std::optional<int> selected = selectClass(*index)) {
        showClass(*selected);
    }

    const Result<float> marker = placeMarker(*index, dp_->text().toStdString(), sp_->text().toStdString());
    if (!marker) {
        failure_ = marker.error();
        return false;
    }
    moveMarker(*marker);

    tipoT_->setText(toQString(nameOf(categoria()).value_or("")));

    return showClassPicture();
}

void MainWindow::showClass(int number) {
    const WeightClass& selected = weightClass(number);
    categoria_ = number;
    dp_->setText(toQString(boundText(selected.leftBound)));
    sp_->setText(toQString(boundText(selected.rightBound)));
    setBoxColour(*poi_, selected.poi);
    setBoxColour(*adesso_, selected.adesso);
    setBoxColour(*segue_, selected.segue);
}

void MainWindow::moveMarker(float xTwips) {
    markerX_ = xTwips;
    // A marker far off the bar is kept just outside the window: clamping first means
    // no value too large for a coordinate (nor a NaN) is ever converted to one.
    const double outside = markerWidthPixels;
    const double rightmost = width() + outside;
    double xPixels = static_cast<double>(xTwips) / twipsPerPixel;
    if (!(xPixels >= -outside)) {
        xPixels = -outside;
    } else if (xPixels > rightmost) {
        xPixels = rightmost;
    }
    line1_->move(static_cast<int>(std::lround(xPixels)) - markerWidthPixels / 2, line1_->y());
}

bool MainWindow::showClassPicture() {
    const std::optional<QImage> picture = loadClassPicture(categoria_);
    if (!picture) {
        return false;
    }
    image1_->setPixmap(QPixmap::fromImage(*picture));
    pictureId_ = classPictureId(categoria_);
    return true;
}

void MainWindow::reportFailure(Failure failure) {
    // A failure of the scale's bounds is mended by calculating again from the weight.
    showFailureMessage(failureMessage(failure), failure.input == Input::height ? altezza_ : peso_);
}

void MainWindow::reportMissingPicture() { showFailureMessage(missingPictureMessage(), nullptr); }

// Shown without waiting for it to close, so that the click that failed returns at once.
void MainWindow::showFailureMessage(const QString& message, QLineEdit* boxToCorrect) {
    boxToCorrect_ = boxToCorrect;
    failureMessage_->setText(message);
    failureMessage_->show();
    emit calculationFailed(message);
}

// Back to the window, with what needs correcting selected so that typing replaces it.
// Some window managers give the keyboard back to no window, or to another program's,
// when the message closes, so the window asks for it.
void MainWindow::returnToBoxToCorrect() {
    askToBeActive(*this);
    if (boxToCorrect_) {
        boxToCorrect_->setFocus(Qt::OtherFocusReason);
        boxToCorrect_->selectAll();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        updateToolTip(*static_cast<QWidget*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

// poi and segue name the neighbours of the current class, adesso the class itself;
// before any class is selected poi and segue keep the tips they have.
void MainWindow::updateToolTip(QWidget& box) {
    if (&box == adesso_) {
        box.setToolTip(tipoT_->text());
        return;
    }
    if (categoria() <= 0) {
        return;
    }
    const int neighbour = &box == poi_ ? categoria() - 1 : categoria() + 1;
    if (const auto name = nameOf(neighbour)) {
        box.setToolTip(toQString(*name));
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        keepOnTopWithoutTaskbarButton(*this);
        // By the client area until the window manager announces its frame.
        centredInFrame_ = false;
        centreOnScreen(QMargins());
        centreInAnnouncedFrame();
    }
    QWidget::showEvent(event);
}

// Minimised, the window would have no task-bar button to come back from.
void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMinimized); });
    }
    QWidget::changeEvent(event);
}

// Return presses the focused button, as Space does; in a text box it does nothing.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && focusWidget() == command1_ && !event->isAutoRepeat()) {
        command1_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The frame is unknown until the window manager has taken the window in. Centre the
// framed window once, from the first real frame it announces: later changes of the
// frame must not pull back a window the user has moved, and a frame without sides
// needs no correction.
void MainWindow::centreInAnnouncedFrame() {
    if (centredInFrame_ || !isVisible()) {
        return;
    }
    const std::optional<QMargins> frame = announcedFrame(*this);
    if (!frame || frame->isNull() || !isPlausibleFrame(*frame, size(), screen()->availableGeometry().size())) {
        return;
    }
    centreOnScreen(*frame);
    centredInFrame_ = true;
}

void MainWindow::centreOnScreen(QMargins frame) {
    QRect framed = rect().marginsAdded(frame);
    framed.moveCenter(screen()->availableGeometry().center());
    // Place the client area, not the frame: move() would add the frame size Qt has
    // stored, which can be a transient reading.
    setGeometry(QRect(framed.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

} // namespace zorvel
