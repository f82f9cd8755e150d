// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes what the Python and shell tests need to know of the program as JSON, read from
// the program's own tables and flow, so that no test outside C++ types a fact again or
// reads C++ source: the window's layout from the design table (in twips), each class's
// name and colour, and the presses those tests make with what the flow shows for each.
// Those tests check that the real window shows it; the arithmetic is checked in C++.
// Usage: program_facts <file.json>
#include "recorded_press.h"

#include "window/form_design.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using namespace zorvel;

// The presses the desktop tests and the Windows program test make, by name: one for
// each way a result reaches the window.
constexpr struct {
    std::string_view name, weight, height;
} presses[] = {
    {"class 4, 70 kg and 175 cm", "70", "175"},
    {"class 1, 55 kg and 190 cm", "55", "190"},
    {"class 9, 170 kg and 1,75 m", "170", "1,75"},
    {"class 4, weight typed with a point", "70.5", "175"},
};

std::string quoted(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
        }
        json += c;
    }
    return json + '"';
}

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::frame:
        return "frame";
    case ControlKind::label:
        return "label";
    case ControlKind::textBox:
        return "textBox";
    case ControlKind::button:
        return "button";
    case ControlKind::line:
        return "line";
    case ControlKind::shape:
        return "shape";
    case ControlKind::image:
        return "image";
    }
    return "unknown";
}

// Red, green and blue.
std::string rgb(Colour colour) {
    return "[" + std::to_string(colour & 0xFF) + ", " + std::to_string(colour >> 8 & 0xFF) + ", " +
           std::to_string(colour >> 16 & 0xFF) + "]";
}

std::string facts() {
    std::string json = "{\n  \"client_size\": [" + std::to_string(form1Design.clientWidth) + ", " +
                       std::to_string(form1Design.clientHeight) + "],\n  \"controls\": [";
    const char* separator = "\n";
    for (const ControlDesign& c : form1Controls()) {
        json += separator;
        json += "    {\"name\": " + quoted(c.name) + ", \"kind\": " + quoted(kindName(c.kind)) +
                ", \"container\": " + quoted(c.container) + ", \"box\": [" + std::to_string(c.left) + ", " +
                std::to_string(c.top) + ", " + std::to_string(c.width) + ", " + std::to_string(c.height) + "]}";
        separator = ",\n";
    }
    json += "\n  ],\n  \"classes\": [";
    separator = "\n";
    for (std::size_t index = 0; index < categorie.size(); ++index) {
        json += separator;
        json += "    {\"name\": " + quoted(categorie[index]) + ", \"colour\": " + rgb(classColours[index]) + "}";
        separator = ",\n";
    }
    json += "\n  ],\n  \"presses\": [";
    separator = "\n";
    for (const auto& press : presses) {
        const Evaluation shown = evaluate(press.weight, press.height);
        if (shown.failure || !shown.markerX) {
            std::fprintf(stderr, "program_facts: the press \"%s\" fails\n", std::string(press.name).c_str());
            std::exit(1);
        }
        json += separator;
        json += "    {\"name\": " + quoted(press.name) + ", \"weight\": " + quoted(press.weight) +
                ", \"height\": " + quoted(press.height) + ", \"shown_weight\": " + quoted(*shown.weightText) +
                ", \"index\": " + quoted(shown.indiceText) + ", \"lowest\": " + quoted(shown.lowest.text) +
                ", \"highest\": " + quoted(shown.highest.text) + ", \"category\": " + std::to_string(shown.categoria) +
                ", \"left_bound\": " + quoted(shown.leftBoundText) +
                ", \"right_bound\": " + quoted(shown.rightBoundText) + ", \"class_name\": " + quoted(shown.className) +
                ", \"marker_twips\": " + std::to_string(*shown.markerX) + "}";
        separator = ",\n";
    }
    return json + "\n  ]\n}\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: program_facts <file.json>\n");
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << facts();
    file.close();
    if (!file) {
        std::fprintf(stderr, "program_facts: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
