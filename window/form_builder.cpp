// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_builder.h"

#include "design_conversions.h"
#include "fitting_label.h"
#include "outline_effect.h"
#include "shape_widget.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorvel {
namespace {

// Labels that caption a text box: a screen reader reads them with the box.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> captionedBoxes{{
    {"Label1", "peso"},
    {"Label2", "altezza"},
}};

// Frames, text boxes and the button are windows of their own in the design and lie
// in front of the labels, shapes, line and image of their container.
bool isWindowed(ControlKind kind) {
    return kind == ControlKind::frame || kind == ControlKind::textBox || kind == ControlKind::button;
}

// Return and Enter press the focused button, as Space does; the window's text boxes
// leave them unanswered.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (isReturn && !event->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

QLabel* makeLabel(const ControlDesign& control, QWidget* parent) {
    auto* label = control.fit == TextFit::whole ? new FittingLabel(parent) : new QLabel(parent);
    label->setText(toQString(control.text));
    label->setAlignment(control.alignment);
    // A caption is drawn inside its box and never resizes it.
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    if (control.border == Border::single) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    if (control.background == Background::opaque) {
        label->setAutoFillBackground(true);
    }
    return label;
}

// An etched outline with the caption set into its top edge, and the same background
// as the window inside, so that opaque labels in it do not stand out. The children
// keep the application's style.
QGroupBox* makeFrame(const ControlDesign& control, QWidget* parent) {
    auto* frame = new QGroupBox(toQString(control.text), parent);
    if (QStyle* outlineStyle = QStyleFactory::create(QStringLiteral("Windows"))) {
        outlineStyle->setParent(frame);
        frame->setStyle(outlineStyle);
    }
    return frame;
}

QWidget* makeControl(const ControlDesign& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::frame:
        return makeFrame(control, parent);
    case ControlKind::label:
        return makeLabel(control, parent);
    case ControlKind::textBox: {
        auto* box = new QLineEdit(toQString(control.text), parent);
        box->setAlignment(control.alignment);
        // Qt's usual bound: far beyond any number, and short enough that a key press in a
        // box filled to it still answers at once.
        box->setMaxLength(32767);
        return box;
    }
    case ControlKind::button: {
        auto* button = new CommandButton(toQString(control.text), parent);
        // Enter in a text box must not press it.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::line: {
        auto* line = new QWidget(parent);
        line->setBackgroundRole(QPalette::WindowText);
        line->setAutoFillBackground(true);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->setGraphicsEffect(new OutlineEffect(toQColor(markerOutlineColour), line));
        return line;
    }
    case ControlKind::shape:
        return new ShapeWidget(control.fillColour ? std::optional(toQColor(*control.fillColour)) : std::nullopt,
                               parent);
    case ControlKind::image: {
        auto* image = new QLabel(parent);
        // Independent horizontal and vertical factors, smooth scaling.
        image->setScaledContents(true);
        return image;
    }
    }
    return nullptr;
}

void applyAppearance(const ControlDesign& control, QWidget& widget) {
    widget.setObjectName(toQString(control.name));
    widget.setGeometry(pixelRect(control));
    widget.setFont(designFont(control.font));
    if (control.textColour) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::WindowText, toQColor(*control.textColour));
        widget.setPalette(palette);
    }
    if (!control.accessibleName.empty()) {
        widget.setAccessibleName(toQString(control.accessibleName));
    }
    if (!control.accessibleDescription.empty()) {
        widget.setAccessibleDescription(toQString(control.accessibleDescription));
    }
    if (!isWindowed(control.kind) || control.kind == ControlKind::frame) {
        widget.setFocusPolicy(Qt::NoFocus);
    }
}

// The widgets made for a design, one per row, in its order, looked up by design name.
class BuiltControls {
public:
    explicit BuiltControls(std::span<const ControlDesign> design) : design_(design) {}

    void add(QWidget* widget) { widgets_.push_back(widget); }
    QWidget& at(const ControlDesign& row) const {
        return *widgets_.at(static_cast<std::size_t>(&row - design_.data()));
    }

    // Ends the program as it starts, naming the control, where the design lacks it,
    // it is not built yet or it is not of the type its use needs.
    template <typename Widget>
    Widget& named(std::string_view name) const {
        const auto row = std::ranges::find(design_, name, &ControlDesign::name);
        const auto index = static_cast<std::size_t>(row - design_.begin());
        auto* widget = index < widgets_.size() ? qobject_cast<Widget*>(widgets_[index]) : nullptr;
        if (!widget) {
            qFatal("The design has no %s named %s", Widget::staticMetaObject.className(), std::string(name).c_str());
        }
        return *widget;
    }

private:
    std::span<const ControlDesign> design_;
    std::vector<QWidget*> widgets_;
};

// Later siblings are drawn over earlier ones, so raise from the back to the front:
// the windowless controls from the last row to the first, then the windowed ones.
void stack(std::span<const ControlDesign> design, const BuiltControls& built) {
    for (const bool windowed : {false, true}) {
        for (auto row = design.rbegin(); row != design.rend(); ++row) {
            if (isWindowed(row->kind) == windowed) {
                built.at(*row).raise();
            }
        }
    }
}

void orderTabs(std::span<const ControlDesign> design, const BuiltControls& built) {
    std::vector<const ControlDesign*> focusable;
    for (const ControlDesign& control : design) {
        if (built.at(control).focusPolicy() != Qt::NoFocus) {
            focusable.push_back(&control);
        }
    }
    std::ranges::sort(focusable, {}, &ControlDesign::tabIndex);
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(&built.at(*focusable[i - 1]), &built.at(*focusable[i]));
    }
}

} // namespace

QRect pixelRect(const ControlDesign& control) {
    if (control.kind == ControlKind::line) {
        // A vertical line of markerWidthPixels centred on its x coordinate.
        const int x = twipsToPixels(control.left);
        const int top = twipsToPixels(control.top);
        return QRect(x - markerWidthPixels / 2, top, markerWidthPixels,
                     twipsToPixels(control.top + control.height) - top);
    }
    return QRect(twipsToPixels(control.left), twipsToPixels(control.top), twipsToPixels(control.width),
                 twipsToPixels(control.height));
}

FormControls buildForm(QWidget& form, std::span<const ControlDesign> design) {
    BuiltControls built(design);
    for (const ControlDesign& control : design) {
        QWidget* container = control.container.empty() ? &form : &built.named<QGroupBox>(control.container);
        QWidget* widget = makeControl(control, container);
        applyAppearance(control, *widget);
        built.add(widget);
    }
    stack(design, built);
    orderTabs(design, built);
    for (const auto& [caption, box] : captionedBoxes) {
        built.named<QLabel>(caption).setBuddy(&built.named<QLineEdit>(box));
    }
    return FormControls{
        .peso = &built.named<QLineEdit>("peso"),
        .altezza = &built.named<QLineEdit>("altezza"),
        .command1 = &built.named<QPushButton>("Command1"),
        .label3 = &built.named<QLabel>("Label3"),
        .minP = &built.named<QLabel>("minP"),
        .maxP = &built.named<QLabel>("MaxP"),
        .dp = &built.named<QLabel>("Dp"),
        .sp = &built.named<QLabel>("Sp"),
        .poi = &built.named<QLabel>("poi"),
        .adesso = &built.named<QLabel>("adesso"),
        .segue = &built.named<QLabel>("segue"),
        .tipoT = &built.named<QLabel>("tipoT"),
        .image1 = &built.named<QLabel>("Image1"),
        .line1 = &built.named<QWidget>("Line1"),
    };
}

} // namespace zorvel
