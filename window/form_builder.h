#pragma once

#include "form_design.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include <span>

class QWidget;

// Turns the design table into live widgets. Every control gets its design name as
// its objectName, so the window and the tests find it by name.
namespace zorvel {

// Creates the controls of `design` inside `form` (or inside their frame), sized in
// logical pixels, stacked as the table orders them, with the tab order of their tab
// indices and the captions of the text boxes as their buddies.
void buildForm(QWidget& form, std::span<const ControlDesign> design);

// The control's box in logical pixels, relative to its container.
QRect pixelRect(const ControlDesign& control);

// Twips to logical pixels, to the nearest pixel.
int twipsToPixels(int twips);

// 0x00BBGGRR to a colour.
QColor toQColor(Colour colour);

// The window's palette: its system colours, whatever the desktop's theme.
QPalette designPalette(std::span<const SystemColourDesign> colours);

// The designed face where it is installed, otherwise the fallback, at the designed
// size and weight.
QFont designFont(FontDesign font);

} // namespace zorvel
