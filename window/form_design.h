// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/weight_classes.h"

#include <QPalette>
#include <Qt>

#include <optional>
#include <span>
#include <string_view>

// The window's design: every control with its container, geometry, texts, colours,
// fonts, borders and tab order, stored as data the way a form designer stores a form.
namespace zorvel {

// Geometry is in twips; one logical pixel is 15 twips.
inline constexpr int twipsPerPixel = 15;

enum class ControlKind {
    frame,   // a titled group box
    label,   // a caption, never resized by its text
    textBox, // a one-line editable text
    button,
    line,  // the marker: left/top is the start point, width/height run to the end point
    shape, // a rectangle outline, filled or not
    image, // a picture stretched to the whole box
};

enum class Background {
    system,      // the standard background of the kind
    transparent, // what lies behind shows through
    opaque,      // the button-face colour, replaced by a colour when one is written
    filled,      // shapes: solid fill with fillColour
    unfilled,    // shapes, the line, the image: nothing painted behind them
};

enum class Border {
    none,
    single,   // labels: a thin fixed border
    standard, // frames, text boxes, the button: the kind's own
    outline,  // shapes: a one-pixel rectangle in the window-text colour
};

// How a caption meets a text wider than its box.
enum class TextFit {
    clipped, // drawn in its font and cut at the box's edges, as designed
    whole,   // a result or a caption: drawn smaller, down to a legible size, then shortened with "…"
};

struct FontDesign {
    double pointSize;
    bool bold;
};

inline constexpr FontDesign regularFont{8.25, false};
inline constexpr FontDesign captionFont{8.25, true};
inline constexpr FontDesign headingFont{9.75, true};

// The face the design asks for, and the one used where it is not installed: of
// similar width, metric-compatible with the usual Windows sans-serif.
inline constexpr std::string_view designedFamily = "MS Sans Serif";
inline constexpr std::string_view fallbackFamily = "Liberation Sans";

inline constexpr int noTabIndex = -1;

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view container; // empty for the window itself
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    std::string_view text;
    std::optional<Colour> textColour; // empty: the system colour of the kind
    Background background;
    std::optional<Colour> fillColour;
    Border border;
    Qt::Alignment alignment;
    FontDesign font;
    TextFit fit;
    std::string_view accessibleName;        // empty: the text speaks for itself
    std::string_view accessibleDescription; // what a result label holds
};

struct WindowDesign {
    std::string_view title;
    int clientWidth;
    int clientHeight;
    FontDesign font;
};

inline constexpr WindowDesign form1Design{"Zorvel", 4905, 4890, regularFont};

// The window's colours whatever the desktop's theme: the standard system colours of
// the desktop the design was drawn on. The designed blue and dark red texts and the
// black marker were chosen for them; a dark theme would put them on a dark ground.
struct SystemColourDesign {
    QPalette::ColorRole role;
    Colour colour;
    Colour disabledColour;
};

std::span<const SystemColourDesign> form1SystemColours();

// Marker line width in pixels, drawn centred on its x coordinate.
inline constexpr int markerWidthPixels = 5;
// The marker is drawn in the window-text colour (black) with a thin white outline
// around it, so that it stands out on the dark red bars of the heaviest classes too.
inline constexpr Colour markerOutlineColour = rgb(0xFF, 0xFF, 0xFF);

// The 26 controls in the window's control list order, which is also their
// stacking order: among the labels, shapes, line and image of one container, an
// earlier row lies in front of a later one.
std::span<const ControlDesign> form1Controls();

} // namespace zorvel
