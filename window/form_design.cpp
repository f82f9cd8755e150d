// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_design.h"

#include <array>

namespace zorvel {
namespace {

using enum ControlKind;
using enum Background;
using enum Border;
using enum TextFit;

constexpr Qt::Alignment leftAligned = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment rightAligned = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment middleLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment noAlignment = {};

constexpr Colour white = rgb(0xFF, 0xFF, 0xFF);
constexpr Colour blue = rgb(0x00, 0x00, 0xFF);
constexpr Colour darkRed = rgb(0xC0, 0x00, 0x00);

// clang-format off
constexpr std::array<ControlDesign, 26> controls{{
//   name        kind     container  left  top   width height tab  text           text colour  background   fill   border    alignment    font          fit      accessible name  description
    {"Frame2",   frame,   "",        2640, 120,  2175, 1335,  7,  "Peso Forma",  {},          system,      {},    standard, noAlignment, captionFont,  clipped, "",        ""},
    {"MaxP",     label,   "Frame2",  1320, 720,  735,  255,   11, "",            {},          opaque,      {},    single,   centred,     regularFont,  whole,   "",        "Peso massimo della fascia normale, in chilogrammi"},
    {"minP",     label,   "Frame2",  1320, 360,  735,  255,   10, "",            {},          opaque,      {},    single,   centred,     regularFont,  whole,   "",        "Peso minimo della fascia normale, in chilogrammi"},
    {"Label5",   label,   "Frame2",  120,  720,  735,  255,   9,  "Massimo:",    {},          opaque,      {},    none,     leftAligned, regularFont,  whole,   "",        ""},
    {"Label4",   label,   "Frame2",  120,  360,  735,  255,   8,  "Minimo:",     {},          opaque,      {},    none,     leftAligned, regularFont,  whole,   "",        ""},
    {"Frame1",   frame,   "",        120,  120,  2415, 1335,  3,  "Dati",        {},          system,      {},    standard, noAlignment, captionFont,  clipped, "",        ""},
    {"peso",     textBox, "Frame1",  720,  360,  615,  285,   0,  "",            {},          system,      {},    standard, middleLeft,  regularFont,  clipped, "Peso",    "Peso in chilogrammi"},
    {"altezza",  textBox, "Frame1",  720,  720,  615,  285,   1,  "",            {},          system,      {},    standard, middleLeft,  regularFont,  clipped, "Altezza", "Altezza in centimetri o in metri"},
    {"Command1", button,  "Frame1",  1440, 480,  855,  375,   4,  "Calcola",     {},          system,      {},    standard, noAlignment, regularFont,  clipped, "",        ""},
    {"Label1",   label,   "Frame1",  120,  360,  495,  255,   6,  "Peso:",       {},          transparent, {},    none,     leftAligned, regularFont,  whole,   "",        ""},
    // "Alteza:" with one t is the caption as designed, on purpose: not a slip for "Altezza:".
    {"Label2",   label,   "Frame1",  120,  720,  615,  255,   5,  "Alteza:",     {},          transparent, {},    none,     leftAligned, regularFont,  whole,   "",        ""},
    {"Label6",   label,   "",        2040, 3840, 735,  255,   18, "Zorvel",      blue,        transparent, {},    none,     centred,     headingFont,  clipped, "",        ""},
    {"Line1",    line,    "",        2400, 4380, 0,    220,   noTabIndex, "",    {},          unfilled,     {},    none,     noAlignment, regularFont,  clipped, "",        ""},
    {"segue",    label,   "",        4560, 4320, 375,  375,   17, "",            {},          opaque,      {},    single,   noAlignment, regularFont,  clipped, "Classe successiva", ""},
    {"poi",      label,   "",        0,    4320, 375,  375,   16, "",            {},          opaque,      {},    single,   noAlignment, regularFont,  clipped, "Classe precedente", ""},
    {"adesso",   label,   "",        360,  4320, 4215, 375,   15, "",            {},          opaque,      {},    single,   noAlignment, regularFont,  clipped, "Classe attuale", ""},
    {"dopo",     shape,   "",        4560, 4320, 375,  375,   noTabIndex, "",    {},          unfilled,     {},    outline,  noAlignment, regularFont,  clipped, "",        ""},
    {"prima",    shape,   "",        0,    4320, 375,  375,   noTabIndex, "",    {},          unfilled,     {},    outline,  noAlignment, regularFont,  clipped, "",        ""},
    {"Sp",       label,   "",        4080, 4680, 495,  255,   14, "Max",         {},          transparent, {},    none,     rightAligned, regularFont, whole,   "",        "Limite destro della scala"},
    {"Dp",       label,   "",        360,  4680, 495,  255,   13, "Min",         {},          transparent, {},    none,     leftAligned, regularFont,  whole,   "",        "Limite sinistro della scala"},
    {"tipoT",    label,   "",        120,  3600, 4695, 255,   12, "",            darkRed,     opaque,      {},    none,     centred,     headingFont,  whole,   "",        "Classe di peso"},
    {"ora",      shape,   "",        360,  4320, 4215, 375,   noTabIndex, "",    {},          unfilled,     {},    outline,  noAlignment, regularFont,  clipped, "",        ""},
    {"Image1",   image,   "",        1800, 1560, 1335, 1935,  noTabIndex, "",    {},          unfilled,     {},    none,     noAlignment, regularFont,  clipped, "Figura della classe", ""},
    {"Label3",   label,   "",        2040, 4110, 615,  255,   2,  "Med",         white,       transparent, {},    none,     centred,     captionFont,  whole,   "",        "Indice di massa corporea"},
    {"Shape2",   shape,   "",        120,  1500, 4695, 2050,  noTabIndex, "",    {},          filled,      white, outline,  noAlignment, regularFont,  clipped, "",        ""},
    {"Shape1",   shape,   "",        1920, 4080, 855,  255,   noTabIndex, "",    {},          filled,      blue,  outline,  noAlignment, regularFont,  clipped, "",        ""},
}};
// clang-format on

constexpr Colour black = rgb(0x00, 0x00, 0x00);
constexpr Colour buttonFace = rgb(0xF0, 0xF0, 0xF0);
constexpr Colour grayText = rgb(0x6D, 0x6D, 0x6D);

// clang-format off
constexpr std::array<SystemColourDesign, 20> systemColours{{
//   role                          colour                  disabled
    {QPalette::Window,             buttonFace,             buttonFace},
    {QPalette::WindowText,         black,                  grayText},
    {QPalette::Base,               white,                  buttonFace},
    {QPalette::AlternateBase,      rgb(0xF7, 0xF7, 0xF7),  rgb(0xF7, 0xF7, 0xF7)},
    {QPalette::Text,               black,                  grayText},
    {QPalette::PlaceholderText,    grayText,               grayText},
    {QPalette::Button,             buttonFace,             buttonFace},
    {QPalette::ButtonText,         black,                  grayText},
    {QPalette::BrightText,         white,                  white},
    {QPalette::Light,              white,                  white},
    {QPalette::Midlight,           rgb(0xE3, 0xE3, 0xE3),  rgb(0xE3, 0xE3, 0xE3)},
    {QPalette::Mid,                rgb(0xB4, 0xB4, 0xB4),  rgb(0xB4, 0xB4, 0xB4)},
    {QPalette::Dark,               rgb(0xA0, 0xA0, 0xA0),  rgb(0xA0, 0xA0, 0xA0)},
    {QPalette::Shadow,             rgb(0x69, 0x69, 0x69),  rgb(0x69, 0x69, 0x69)},
    {QPalette::Highlight,          rgb(0x00, 0x78, 0xD7),  rgb(0x00, 0x78, 0xD7)},
    {QPalette::HighlightedText,    white,                  white},
    {QPalette::Link,               rgb(0x00, 0x66, 0xCC),  rgb(0x00, 0x66, 0xCC)},
    {QPalette::LinkVisited,        rgb(0x80, 0x00, 0x80),  rgb(0x80, 0x00, 0x80)},
    {QPalette::ToolTipBase,        rgb(0xFF, 0xFF, 0xE1),  rgb(0xFF, 0xFF, 0xE1)},
    {QPalette::ToolTipText,        black,                  black},
}};
// clang-format on

} // namespace

std::span<const ControlDesign> form1Controls() { return controls; }

std::span<const SystemColourDesign> form1SystemColours() { return systemColours; }

} // namespace zorvel
