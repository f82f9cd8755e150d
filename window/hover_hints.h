// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_builder.h"

#include <QObject>

namespace zorvel {

// The boxes of the class bar name, as their hints, the classes whose colours they
// show: each time the pointer moves over one, poi the class before the current one,
// segue the class after it, adesso the class itself as tipoT names it. Before any
// class is selected poi and segue keep the hints they have. Owned by the bar.
class ClassHints : public QObject {
public:
    // The controls of a built form, which outlive it.
    explicit ClassHints(const FormControls& controls);

    // The class a press selected, whose colours the bar now shows.
    void setCategoria(int categoria) { categoria_ = categoria; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void name(QLabel& box) const;

    const FormControls& controls_;
    int categoria_ = 0;
};

} // namespace zorvel
