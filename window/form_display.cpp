#include "form_display.h"

#include "form_builder.h"
#include "form_design.h"
#include "result_colours.h"

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
    keepBackground(box, toQColor(colour));
}

} // namespace

FormDisplay::FormDisplay(QWidget& form)
    : form_(form), peso_(control<QLineEdit>(form, "peso")), altezza_(control<QLineEdit>(form, "altezza")),
      label3_(control<QLabel>(form, "Label3")), minP_(control<QLabel>(form, "minP")),
      maxP_(control<QLabel>(form, "MaxP")), dp_(control<QLabel>(form, "Dp")), sp_(control<QLabel>(form, "Sp")),
      poi_(control<QLabel>(form, "poi")), adesso_(control<QLabel>(form, "adesso")),
      segue_(control<QLabel>(form, "segue")), line1_(control<QWidget>(form, "Line1")),
      tipoT_(control<QLabel>(form, "tipoT")), image1_(control<QLabel>(form, "Image1")) {}

// Only a text that changes is written, so that the box's cursor and undo history
// stay as the user left them. A written box shows the beginning of its text, as a
// text box does when its text is set: Qt would show its end, and the end of a long
// number reads as another number.
void FormDisplay::rewriteBox(Box box, std::string_view text) {
    QLineEdit& edit = box == Box::weight ? *peso_ : *altezza_;
    const QString rewritten = toQString(text);
    if (rewritten != edit.text()) {
        edit.setText(rewritten);
        edit.setCursorPosition(0);
    }
}

void FormDisplay::showIndice(std::string_view text) { label3_->setText(toQString(text)); }

std::string FormDisplay::showBandFirstStep(BandEnd end, std::string_view text) {
    band(end).setText(toQString(text));
    return band(end).text().toStdString();
}

void FormDisplay::showBand(BandEnd end, std::string_view text) { band(end).setText(toQString(text)); }

void FormDisplay::showClass(int categoria, std::string_view leftBoundText, std::string_view rightBoundText,
                            ClassColours colours) {
    categoria_ = categoria;
    dp_->setText(toQString(leftBoundText));
    sp_->setText(toQString(rightBoundText));
    setBoxColour(*poi_, colours.previous);
    setBoxColour(*adesso_, colours.own);
    setBoxColour(*segue_, colours.next);
}

std::string FormDisplay::scaleEndText(ScaleEnd end) const {
    return (end == ScaleEnd::left ? dp_ : sp_)->text().toStdString();
}

// A marker far off the bar is kept just outside the window: clamping first means no
// value too large for a coordinate is ever converted to one.
void FormDisplay::moveMarker(float xTwips) {
    const double outside = markerWidthPixels;
    const double xPixels = std::clamp(static_cast<double>(xTwips) / twipsPerPixel, -outside, form_.width() + outside);
    line1_->move(static_cast<int>(std::lround(xPixels)) - markerWidthPixels / 2, line1_->y());
}

void FormDisplay::showClassName(std::string_view name) { tipoT_->setText(toQString(name)); }

bool FormDisplay::showClassPicture(int categoria) {
    const std::optional<QImage> picture = loadClassPicture(categoria);
    if (picture) {
        image1_->setPixmap(QPixmap::fromImage(*picture));
    }
    return picture.has_value();
}

} // namespace zorvel
