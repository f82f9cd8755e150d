// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hover_hints.h"

#include "design_conversions.h"

#include "evaluation/weight_classes.h"

#include <QEvent>
#include <QLabel>

namespace zorvel {

ClassHints::ClassHints(const FormControls& controls) : QObject(controls.adesso), controls_(controls) {
    for (QLabel* box : {controls.poi, controls.adesso, controls.segue}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }
}

bool ClassHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        name(*static_cast<QLabel*>(watched));
    }
    return false;
}

void ClassHints::name(QLabel& box) const {
    if (&box == controls_.adesso) {
        box.setToolTip(controls_.tipoT->text());
        return;
    }
    if (categoria_ <= 0) {
        return;
    }
    const int neighbour = &box == controls_.poi ? categoria_ - 1 : categoria_ + 1;
    if (const auto name = nameOf(neighbour)) {
        box.setToolTip(toQString(*name));
    }
}

} // namespace zorvel
