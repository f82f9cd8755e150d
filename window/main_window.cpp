#include "main_window.h"

#include "failure_messages.h"
#include "form_builder.h"
#include "form_design.h"
#include "platform.h"

#include "assets/application_icon.h"
#include "evaluation/evaluation.h"
#include "evaluation/weight_classes.h"

#include <QEvent>
#include <QWindow>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>


namespace zorvel {
namespace {

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
    poi_ = control<QLabel>(*this, "poi");
    adesso_ = control<QLabel>(*this, "adesso");
    segue_ = control<QLabel>(*this, "segue");
    tipoT_ = control<QLabel>(*this, "tipoT");
    display_.emplace(*this);

    connect(command1_, &QPushButton::clicked, this, &MainWindow::calcola);
    for (QLabel* box : {poi_, adesso_, segue_}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }
    peso_->setFocus();
}

void MainWindow::calcola() {
    if (const auto failure = runCalculation(peso_->text().toStdString(), altezza_->text().toStdString(), *display_)) {
        reportFailure(*failure);
    }
}

void MainWindow::reportFailure(Failure failure) {
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), failureMessage(failure), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("failureMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
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
