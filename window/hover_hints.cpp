// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hover_hints.h"

#include "form_builder.h"
#include "form_display.h"

#include "evaluation/weight_classes.h"

#include <QEvent>
#include <QLabel>

namespace zorvel {
namespace {

class ClassNamer : public QObject {
public:
    ClassNamer(const FormControls& controls, const FormDisplay& display)
        : QObject(controls.adesso), controls_(controls), display_(display) {
        for (QLabel* box : {controls.poi, controls.adesso, controls.segue}) {
            box->setMouseTracking(true);
            box->installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            name(*static_cast<QLabel*>(watched));
        }
        return false;
    }

private:
    void name(QLabel& box) const {
        if (&box == controls_.adesso) {
            box.setToolTip(controls_.tipoT->text());
            return;
        }
        const int categoria = display_.categoria();
        if (categoria <= 0) {
            return;
        }
        const int neighbour = &box == controls_.poi ? categoria - 1 : categoria + 1;
        if (const auto name = nameOf(neighbour)) {
            box.setToolTip(toQString(*name));
        }
    }

    FormControls controls_;
    const FormDisplay& display_;
};

} // namespace

void nameClassesOnHover(const FormControls& controls, const FormDisplay& display) { new ClassNamer(controls, display); }

} // namespace zorvel
