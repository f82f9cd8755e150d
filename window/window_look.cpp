// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_look.h"

#include "design_conversions.h"
#include "form_builder.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

#include <utility>
#include <vector>

namespace zorvel {
namespace {

// The kept colours, held by the control; no background is a transparent one. A style
// sheet changes the control's palette, so they are taken once, before it can.
constexpr const char* keptText = "zorvelKeptText";
constexpr const char* keptBackground = "zorvelKeptBackground";

void restate(QWidget& control) {
    const QColor background = control.property(keptBackground).value<QColor>();
    // By its name: a tool tip is a child of the control it names and takes the rest.
    const QString sheet = qApp->styleSheet().isEmpty()
                              ? QString()
                              : QStringLiteral("#%1 { color: %2; background-color: %3; }")
                                    .arg(control.objectName(), control.property(keptText).value<QColor>().name(),
                                         background.isValid() ? background.name() : QStringLiteral("transparent"));
    if (control.styleSheet() != sheet) {
        control.setStyleSheet(sheet);
    }
}

// A transparent control stays transparent: the window behind it keeps its own colour.
void keepColours(QWidget& control) {
    const QPalette& palette = control.palette();
    QColor background;
    if (control.autoFillBackground()) {
        background = palette.color(control.backgroundRole());
    }
    control.setProperty(keptText, palette.color(control.foregroundRole()));
    control.setProperty(keptBackground, background);
}

// The font of the design, as a sheet declares it: a sheet's font wins over the
// widget's own.
QString fontDeclarations(FontDesign design) {
    const QFont font = designFont(design);
    return QStringLiteral("font-family: \"%1\"; font-size: %2pt; font-weight: %3; font-style: normal; "
                          "text-decoration: none;")
        .arg(font.family())
        .arg(design.pointSize)
        .arg(design.bold ? QStringLiteral("bold") : QStringLiteral("normal"));
}

// The box of a control as designed, in the terms of a sheet, whose margins, paddings
// and borders a sheet would otherwise add. A border is "native" where the style draws
// the kind's own: the frames, the text boxes and the button.
QString boxDeclarations(const ControlDesign& row, const QPalette& palette) {
    // The style's own frame of a text box, which the contents keep clear of.
    const int frameWidth = QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    switch (row.kind) {
    case ControlKind::frame:
        // The outline starts half the caption's height down, as the style draws it.
        return QStringLiteral("border-style: native; border-width: 0; padding: 0; margin: %1px 0 0 0;")
            .arg(QFontMetrics(designFont(row.font)).height() / 2);
    case ControlKind::textBox:
        return QStringLiteral("border-style: native; border-width: 0; margin: 0; padding: %1px;").arg(frameWidth);
    case ControlKind::button:
        return QStringLiteral("border-style: native; border-width: 0; margin: 0; padding: 0;");
    default:
        break;
    }
    // A sheet's rule leaves a label's sunken panel undrawn: it is drawn as the rule's border.
    return row.border == Border::single
               ? QStringLiteral("margin: 0; padding: 0; border-width: 1px; border-style: solid; "
                                "border-color: %1 %2 %2 %1;")
                     .arg(palette.color(QPalette::Dark).name(), palette.color(QPalette::Light).name())
               : QStringLiteral("margin: 0; padding: 0; border: none;");
}

// The window's whole design, restated for the window and each of its controls while a
// style sheet is set for every program: the window's own sheet, which Qt prefers to
// the application's, keeps the design whole (its palette, fonts, borders, paddings
// and captions), rather than a patchwork of the sheet's looks and the window's own.
// Controls that keep colours of their own restate them in a sheet of their own, which
// wins over this one. By name, so that the failure message, a child of the window,
// keeps the sheet's look.
QString windowSheet(const QWidget& window, const QPalette& palette, std::span<const ControlDesign> design) {
    if (qApp->styleSheet().isEmpty()) {
        return {};
    }
    const auto colour = [&palette](QPalette::ColorRole role) { return palette.color(role).name(); };
    QString sheet = QStringLiteral("#%1 { background-color: %2; color: %3; }\n")
                        .arg(window.objectName(), colour(QPalette::Window), colour(QPalette::WindowText));
    for (const ControlDesign& row : design) {
        QString colours;
        switch (row.kind) {
        case ControlKind::textBox:
            colours = QStringLiteral("background-color: %1; color: %2; selection-background-color: %3; "
                                     "selection-color: %4;")
                          .arg(colour(QPalette::Base), colour(QPalette::Text), colour(QPalette::Highlight),
                               colour(QPalette::HighlightedText));
            break;
        case ControlKind::button:
            colours = QStringLiteral("background-color: %1; color: %2;")
                          .arg(colour(QPalette::Button), colour(QPalette::ButtonText));
            break;
        default:
            colours = QStringLiteral("background-color: transparent; color: %1;").arg(colour(QPalette::WindowText));
        }
        const QString name = toQString(row.name);
        sheet += QStringLiteral("#%1 { %2 %3 %4 }\n")
                     .arg(name, fontDeclarations(row.font), colours, boxDeclarations(row, palette));
        if (row.kind == ControlKind::frame) {
            // The caption where and as the style sets it into the outline, on the
            // window's colour, which hides the outline behind it.
            sheet += QStringLiteral("#%1::title { subcontrol-origin: margin; subcontrol-position: top left; "
                                    "left: 8px; margin: 0; padding: 0; border: none; color: %2; "
                                    "background-color: %3; }\n")
                         .arg(name, colour(QPalette::WindowText), colour(QPalette::Window));
        }
    }
    return sheet;
}

// Watches the window for a new style sheet, and each of its controls for the hint
// about to show. The designed palette and font are taken once, before a sheet, which
// rewrites the window's palette as it polishes it, can change them.
class LookKeeper : public QObject {
public:
    LookKeeper(QWidget& window, std::span<const ControlDesign> design, std::vector<QWidget*> keptControls)
        : QObject(&window), window_(window), design_(design), palette_(window.palette()), font_(window.font()),
          keptControls_(std::move(keptControls)) {
        restateLook();
        window.installEventFilter(this);
        // The hint event goes to the control under the pointer, before it shows a tip.
        for (QWidget* control : window.findChildren<QWidget*>()) {
            control->installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            if (QToolTip::palette() != palette_) {
                QToolTip::setPalette(palette_);
            }
            if (QToolTip::font() != font_) {
                QToolTip::setFont(font_);
            }
            // The hint's label, a window of its own, is made and polished as the hint
            // event is handled: the application is watched until then.
            qApp->installEventFilter(this);
            QTimer::singleShot(0, this, [this] { qApp->removeEventFilter(this); });
        } else if (event->type() == QEvent::Polish && watched->inherits("QTipLabel")) {
            keepHintLook(*static_cast<QWidget*>(watched));
        } else if (event->type() == QEvent::StyleChange && watched == &window_) {
            restateLook();
        }
        return false;
    }

private:
    // Setting a sheet sends the window a style change again; an unchanged sheet is
    // not set again, which ends it there.
    void restateLook() {
        const QString sheet = windowSheet(window_, palette_, design_);
        if (window_.styleSheet() != sheet) {
            window_.setStyleSheet(sheet);
        }
        for (QWidget* control : keptControls_) {
            restate(*control);
        }
    }

    // The Windows style paints a hint from the system's theme and, as it polishes the
    // hint's label, replaces its colours with the theme's (grey on white under Wine).
    // A plain style paints it in the colours it is given.
    void keepHintLook(QWidget& tip) {
        qApp->removeEventFilter(this);
        if (!plainStyle_) {
            plainStyle_ = QStyleFactory::create(QStringLiteral("Windows"));
            plainStyle_->setParent(this);
        }
        tip.setStyle(plainStyle_);
        tip.setPalette(palette_);
    }

    QWidget& window_;
    std::span<const ControlDesign> design_;
    QStyle* plainStyle_ = nullptr;
    QPalette palette_;
    QFont font_;
    std::vector<QWidget*> keptControls_;
};

} // namespace

void useDesignedPalette(QWidget& window) { window.setPalette(designPalette(form1SystemColours())); }

void keepWindowLook(QWidget& window, std::span<const ControlDesign> design) {
    std::vector<QWidget*> keptControls;
    for (const ControlDesign& row : design) {
        if (row.sheetColours != SheetColours::styled) {
            QWidget& control = builtControl<QWidget>(window, row.name);
            keepColours(control);
            keptControls.push_back(&control);
        }
    }
    new LookKeeper(window, design, std::move(keptControls));
}

void keepBackground(QWidget& control, const QColor& background) {
    control.setProperty(keptBackground, background);
    restate(control);
}

} // namespace zorvel
