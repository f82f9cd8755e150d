// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes what the Python and shell tests need to know of the program as JSON, read from
// the program's own tables and flow, so that no test outside C++ types a fact again or
// reads C++ source: the window's layout from the design table (in twips), each class's
// name and colour, and the presses those tests make with what the flow shows for each.
// Those tests check that the real window shows it; the arithmetic is checked in C++.
// No text written here holds a quote or a backslash (JSON would need them escaped).
// Usage: program_facts <file.json>
#include "recorded_press.h"

#include "window/form_design.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace zorvel;

// The presses the desktop tests make, by name: one for each way a result reaches the window.
constexpr struct {
    const char *name, *weight, *height;
} presses[] = {
    {"class 4, 70 kg and 175 cm", "70", "175"},
    {"class 1, 55 kg and 190 cm", "55", "190"},
    {"class 9, 170 kg and 1,75 m", "170", "1,75"},
    {"class 4, weight typed with a point", "70.5", "175"},
};

std::string text(std::string_view view) { return std::string(view); }

void writeFacts(std::FILE* file) {
    std::fprintf(file, "{\"client_size\": [%d, %d],\n\"controls\": [", form1Design.clientWidth,
                 form1Design.clientHeight);
    const char* separator = "\n";
    for (const ControlDesign& c : form1Controls()) {
        if (c.kind != ControlKind::line) { // the marker has a rule of its own, not a box
            std::fprintf(file, "%s{\"name\": \"%s\", \"container\": \"%s\", \"box\": [%d, %d, %d, %d]}", separator,
                         text(c.name).c_str(), text(c.container).c_str(), c.left, c.top, c.width, c.height);
            separator = ",\n";
        }
    }
    std::fprintf(file, "],\n\"classes\": [");
    for (std::size_t index = 0; index < categorie.size(); ++index) {
        const Colour colour = classColours[index]; // red, green and blue
        std::fprintf(file, "%s\n{\"name\": \"%s\", \"colour\": [%u, %u, %u]}", index == 0 ? "" : ",",
                     text(categorie[index]).c_str(), colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF);
    }
    std::fprintf(file, "],\n\"presses\": [");
    separator = "\n";
    for (const auto& [name, weight, height] : presses) {
        const Evaluation e = evaluate(weight, height);
        std::fprintf(file,
                     "%s{\"name\": \"%s\", \"weight\": \"%s\", \"height\": \"%s\", \"shown_weight\": \"%s\", "
                     "\"index\": \"%s\", \"lowest\": \"%s\", \"highest\": \"%s\", \"category\": %d, "
                     "\"left_bound\": \"%s\", \"right_bound\": \"%s\", \"class_name\": \"%s\", \"marker_twips\": %.9g}",
                     separator, name, weight, height, e.weightText.value_or("").c_str(), e.indiceText.c_str(),
                     e.lowest.text.c_str(), e.highest.text.c_str(), e.categoria, e.leftBoundText.c_str(),
                     e.rightBoundText.c_str(), e.className.c_str(), e.markerX.value_or(0));
        separator = ",\n";
    }
    std::fprintf(file, "]}\n");
}

} // namespace

int main(int argc, char* argv[]) {
    std::FILE* file = argc == 2 ? std::fopen(argv[1], "wb") : nullptr;
    if (file == nullptr) {
        std::fprintf(stderr, "usage: program_facts <file.json>, a file it can write\n");
        return 2;
    }
    writeFacts(file);
    return std::fclose(file) == 0 ? 0 : 1;
}
