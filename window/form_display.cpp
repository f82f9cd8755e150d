// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_display.h"

#include "design_conversions.h"
#include "form_builder.h"
#include "form_design.h"

#include "assets/class_pictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace zorvel {
namespace {

void setBoxColour(QLabel& box, Colour colour) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    box.setPalette(palette);
}

} // namespace

FormDisplay::FormDisplay(const QWidget& form, const FormControls& controls) : form_(form), controls_(controls) {}

// Written back on every press, so that the box shows the beginning of its text, as a
// text box does when its text is set: Qt would keep showing where the user stopped
// typing, often the end, and the end of a long number reads as another number. A text
// that does not change is not set again, so that its undo history stays.
void FormDisplay::rewriteBox(Box box, std::string_view text) {
    QLineEdit& edit = controls_.box(box);
    const QString rewritten = toQString(text);
    if (rewritten != edit.text()) {
        edit.setText(rewritten);
    }
    edit.setCursorPosition(0);
}

void FormDisplay::showIndice(std::string_view text) { controls_.label3->setText(toQString(text)); }

void FormDisplay::showBandFirstStep(BandEnd end, std::string_view text) { band(end).setText(toQString(text)); }

void FormDisplay::showBand(BandEnd end, std::string_view text) { band(end).setText(toQString(text)); }

void FormDisplay::showClass(std::string_view leftBoundText, std::string_view rightBoundText, ClassColours colours) {
    controls_.dp->setText(toQString(leftBoundText));
    controls_.sp->setText(toQString(rightBoundText));
    setBoxColour(*controls_.poi, colours.previous);
    setBoxColour(*controls_.adesso, colours.own);
    setBoxColour(*controls_.segue, colours.next);
}

// A marker far off the bar is kept just outside the window: clamping first means no
// value too large for a coordinate is ever converted to one.
void FormDisplay::moveMarker(float xTwips) {
    const double outside = markerWidthPixels;
    const double xPixels = std::clamp(static_cast<double>(xTwips) / twipsPerPixel, -outside, form_.width() + outside);
    controls_.line1->move(static_cast<int>(std::lround(xPixels)) - markerWidthPixels / 2, controls_.line1->y());
}

void FormDisplay::showClassName(std::string_view name) { controls_.tipoT->setText(toQString(name)); }

bool FormDisplay::showClassPicture(int categoria) {
    const std::optional<QImage> picture = loadClassPicture(categoria);
    if (picture) {
        controls_.image1->setPixmap(QPixmap::fromImage(*picture));
    }
    return picture.has_value();
}

} // namespace zorvel
