// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_look.h"

#include "design_conversions.h"
#include "form_design.h"

#include <QApplication>
#include <QEvent>
#include <QMetaProperty>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace zorvel {
namespace {

// A sheet can set any property of any widget; a restatement of the design in sheets of
// the window's own could only ever list some. Without a sheet the design holds by
// construction.
void removeApplicationStyleSheet() {
    if (!qApp->styleSheet().isEmpty()) {
        qApp->setStyleSheet(QString());
    }
}

// What a press or the user changes, rather than the design: texts, the picture, the
// colour bar's colours, the cursor, the hints, the marker's place. Qt itself puts back
// the palette and the font a sheet set as it goes.
constexpr std::array<std::string_view, 6> changedWhileOpen{"text",    "pixmap",         "palette",
                                                           "toolTip", "cursorPosition", "geometry"};

// A control as built: its size and the properties a sheet's qproperty- rules can set.
struct BuiltState {
    QPointer<QWidget> widget;
    QSize size;
    std::vector<std::pair<QMetaProperty, QVariant>> properties;
};

BuiltState builtState(QWidget& widget) {
    BuiltState state{&widget, widget.size(), {}};
    const QMetaObject& type = *widget.metaObject();
    for (int i = 0; i < type.propertyCount(); ++i) {
        const QMetaProperty property = type.property(i);
        if (property.isWritable() && property.isDesignable() && property.metaType().isEqualityComparable() &&
            std::ranges::find(changedWhileOpen, property.name()) == changedWhileOpen.end()) {
            state.properties.emplace_back(property, property.read(&widget));
        }
    }
    return state;
}

void putBack(const BuiltState& state) {
    if (!state.widget) {
        return;
    }
    // While a sheet is set, Qt lets no control take its container's palette, and it
    // does not look again once the sheet is gone.
    QEvent paletteChange(QEvent::ApplicationPaletteChange);
    QCoreApplication::sendEvent(state.widget, &paletteChange);
    for (const auto& [property, value] : state.properties) {
        if (property.read(state.widget) != value) {
            property.write(state.widget, value);
        }
    }
    state.widget->resize(state.size);
}

// Watches the window for a sheet set while the program runs, and each of its controls
// for the hint about to show.
class LookKeeper : public QObject {
public:
    explicit LookKeeper(QWidget& window)
        : QObject(&window), window_(window), palette_(window.palette()), font_(window.font()) {
        built_.push_back(builtState(window));
        window.installEventFilter(this);
        // The hint event goes to the control under the pointer, before it shows a tip.
        for (QWidget* control : window.findChildren<QWidget*>()) {
            built_.push_back(builtState(*control));
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
        } else if (event->type() == QEvent::StyleChange && watched == &window_ && !qApp->styleSheet().isEmpty()) {
            // Qt has applied the sheet and is still telling every widget of it: it is
            // removed once Qt is done, before anything is drawn with it.
            QTimer::singleShot(0, this, [this] {
                removeApplicationStyleSheet();
                std::ranges::for_each(built_, putBack);
            });
        }
        return false;
    }

private:
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
    QStyle* plainStyle_ = nullptr;
    QPalette palette_;
    QFont font_;
    std::vector<BuiltState> built_;
};

} // namespace

void useDesignedLook(QWidget& window) {
    removeApplicationStyleSheet();
    window.setPalette(designPalette(form1SystemColours()));
}

void keepWindowLook(QWidget& window) { new LookKeeper(window); }

} // namespace zorvel
