// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorvel {

class FormDisplay;
struct FormControls;

// The boxes of the class bar name, as their hints, the classes whose colours they
// show: each time the pointer moves over one, poi the class before the current one,
// segue the class after it, adesso the class itself as tipoT names it. Before any
// class is selected poi and segue keep the hints they have.
void nameClassesOnHover(const FormControls& controls, const FormDisplay& display);

} // namespace zorvel
