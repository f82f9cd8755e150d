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
#include <QWindow>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

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

constexpr Qt::WindowFlags fixedDialogFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                             Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, fixedDialogFrame) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(form1Design.title));
    setWindowIcon(applicationIcon());
    setFont(designFont(form1Design.font));
    setPalette(designPalette(form1SystemColours()));
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

    connect(command1_, &QPushButton::clicked, this, &MainWindow::calcola);
    for (QLabel* box : {poi_, adesso_, segue_}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }
    peso_->setFocus();
}

int MainWindow::categoria() const { return categoria_.value_or(0); }

int MainWindow::pictureId() const { return pictureId_; }

float MainWindow::markerX() const { return markerX_; }

bool MainWindow::calcola() {
    const bool completed = runSteps();
    if (!completed) {
        reportFailure(failure_ ? failureMessage(*failure_) : missingPictureMessage());
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

void MainWindow::reportFailure(const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("failureMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    emit calculationFailed(message);
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
        centreOnScreen();
    }
    QWidget::showEvent(event);
}

// The frame the window manager puts around the window is unknown until the window is
// mapped; once it is known (by the first paint), centre the framed window again, once:
// later changes of the frame must not pull a window the user moved back.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Paint && !framedWindowCentred_ && windowHandle() &&
        windowHandle()->frameMargins() != centredFrameMargins_) {
        centreOnScreen();
        framedWindowCentred_ = true;
    }
    return QWidget::event(event);
}

void MainWindow::centreOnScreen() {
    centredFrameMargins_ = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    QRect framed = rect().marginsAdded(centredFrameMargins_);
    framed.moveCenter(screen()->availableGeometry().center());
    // Place the client area, not the frame: move() would add the frame size Qt has
    // stored, which can still be zero when the window manager has already drawn one.
    const QPoint clientTopLeft =
        framed.topLeft() + QPoint(centredFrameMargins_.left(), centredFrameMargins_.top());
    setGeometry(QRect(clientTopLeft, size()));
}

} // namespace zorvel
