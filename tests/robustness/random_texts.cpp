// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_texts.h"

#include "calculation_model.h"

#include <array>
#include <numeric>

namespace zorvel::monkey {
namespace {

int between(Noise& noise, int low, int high) { return std::uniform_int_distribution<int>(low, high)(noise); }

bool chance(Noise& noise, double probability) { return std::bernoulli_distribution(probability)(noise); }

template <typename T, std::size_t n>
const T& pick(Noise& noise, const std::array<T, n>& items) {
    return items[between(noise, 0, n - 1)];
}

QString digits(Noise& noise, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar('0' + between(noise, 0, 9));
    return text;
}

// A decimal with `whole` as its integer part and up to `decimals` decimals after a
// comma or, as often, a point.
QString decimal(Noise& noise, int whole, int decimals) {
    QString text = QString::number(whole);
    const int count = between(noise, 0, decimals);
    if (count > 0)
        text += (chance(noise, 0.5) ? u',' : u'.') + digits(noise, count);
    return text;
}

QString plausibleWeight(Noise& noise) { return decimal(noise, between(noise, 30, 200), 2); }

QString plausibleHeight(Noise& noise) {
    if (chance(noise, 0.5))
        return decimal(noise, between(noise, 120, 220), 1);
    return QString::number(between(noise, 1, 2)) + (chance(noise, 0.5) ? u',' : u'.') + digits(noise, 2);
}

QString anyNumber(Noise& noise) {
    QString text = chance(noise, 0.2) ? QString(chance(noise, 0.5) ? "-" : "+") : QString();
    text += digits(noise, between(noise, 1, 20));
    if (chance(noise, 0.5))
        text += (chance(noise, 0.5) ? u',' : u'.') + digits(noise, between(noise, 0, 20));
    if (chance(noise, 0.4))
        text += QString(chance(noise, 0.5) ? "E" : "e") + QString::number(between(noise, -400, 400));
    return text;
}

// A plausible number with one slip of the finger.
QString nearNumber(Noise& noise) {
    static constexpr std::array<char16_t, 12> slips{u',', u'.',  u'e', u'E', u'+', u'-',
                                                    u' ', u'\t', u'x', u'o', u'O', u'l'};
    QString text = chance(noise, 0.5) ? plausibleWeight(noise) : plausibleHeight(noise);
    const int at = between(noise, 0, static_cast<int>(text.size()));
    switch (between(noise, 0, 2)) {
    case 0:
        text.insert(at, QChar(pick(noise, slips)));
        break;
    case 1:
        if (!text.isEmpty())
            text.remove(std::min<qsizetype>(at, text.size() - 1), 1);
        break;
    default:
        text.insert(at, text.mid(at, 1)); // a key pressed twice
        break;
    }
    return text;
}

QString blank(Noise& noise) {
    static constexpr std::array<const char*, 6> blanks{"", " ", "\t", "   ", " \t ", "\t\t"};
    return QString(pick(noise, blanks));
}

QString huge(Noise& noise) {
    static constexpr std::array<const char*, 12> texts{
        "1E308",
        "1,7976931348623157E308",
        "-1,7976931348623157E308",
        "1E309",
        "32767",
        "32768",
        "-32768",
        "-32769",
        "32767,5",
        "-32768,5",
        "1E400",
        "9E99999999999",
    };
    if (chance(noise, 0.3))
        return digits(noise, between(noise, 300, 400));
    return QString(pick(noise, texts));
}

QString tiny(Noise& noise) {
    static constexpr std::array<const char*, 10> texts{
        "0", "0,0", "-0", "1E-320", "4,9E-324", "1E-400", "0,000001", "0,001", "0,01", "1E-300",
    };
    return QString(pick(noise, texts));
}

QString negative(Noise& noise) { return "-" + (chance(noise, 0.5) ? plausibleWeight(noise) : plausibleHeight(noise)); }

QString longText(Noise& noise) {
    switch (between(noise, 0, 2)) {
    case 0:
        return digits(noise, between(noise, 1000, 40000));
    case 1:
        return "1" + QString(".000").repeated(between(noise, 100, 5000)) + ",5";
    default:
        return QString("70,5 ").repeated(between(noise, 100, 5000));
    }
}

QString nonAscii(Noise& noise) {
    static constexpr std::array<char32_t, 16> characters{
        U'\uFF17',     U'\uFF10',                       // fullwidth 7 and 0
        U'\u0667',     U'\u0660',                       // Arabic-Indic 7 and 0
        U'\u066B',                                      // Arabic decimal separator
        U'\u00A0',     U'\u2009',                       // no-break space, thin space
        U'\u2212',                                      // minus sign
        U'\u20AC',     U'\u00BD', U'\u00B2', U'\u00B5', // euro, one half, superscript two, micro
        U'\u0301',                                      // combining acute accent
        U'\U0001F600',                                  // a face
        U'\u00E0',     U'\uFFFD',
    };
    QString text = chance(noise, 0.5) ? plausibleWeight(noise) : QString();
    const int count = between(noise, 1, 4);
    for (int i = 0; i < count; ++i) {
        const char32_t c = pick(noise, characters);
        text.insert(between(noise, 0, static_cast<int>(text.size())), QString::fromUcs4(&c, 1));
    }
    return text;
}

// Any characters a number is made of, in any order.
QString numberCharacters(Noise& noise) {
    static constexpr std::array<char16_t, 18> characters{u'0', u'1', u'2', u'5', u'7', u'9', u',',  u'.', u',',
                                                         u'.', u'e', u'E', u'+', u'-', u' ', u'\t', u'0', u'1'};
    QString text;
    const int count = between(noise, 0, 12);
    for (int i = 0; i < count; ++i)
        text += QChar(pick(noise, characters));
    return text;
}

constexpr std::array<TextKind, 12> kinds{{
    {"plausible weight", plausibleWeight, 25},
    {"plausible height", plausibleHeight, 25},
    {"any number", anyNumber, 10},
    {"near number", nearNumber, 10},
    {"blank", blank, 5},
    {"huge", huge, 6},
    {"tiny", tiny, 6},
    {"negative", negative, 5},
    {"long", longText, 1},
    {"non-ASCII", nonAscii, 6},
    {"number characters", numberCharacters, 15},
    {"unchanged", nullptr, 6},
}};

} // namespace

RandomText randomText(Noise& noise) {
    static const int total =
        std::accumulate(kinds.begin(), kinds.end(), 0, [](int sum, const TextKind& kind) { return sum + kind.weight; });
    int drawn = between(noise, 0, total - 1);
    for (const TextKind& kind : kinds) {
        if (drawn < kind.weight)
            return {kind.name, kind.make ? std::optional(kind.make(noise)) : std::nullopt};
        drawn -= kind.weight;
    }
    return {"unchanged", std::nullopt};
}

std::pair<RandomText, RandomText> randomTexts(Noise& noise) {
    if (!chance(noise, 0.1))
        return {randomText(noise), randomText(noise)};
    // Half a hundredth above the index wanted, so that truncating lands on it.
    const double limit = model::classes[between(noise, 1, 8)].upTo;
    const double indice = limit + between(noise, -1, 1) / 100.0 + 0.005;
    const int centimetres = between(noise, 140, 210);
    const double weight = indice * centimetres * centimetres / 10000;
    return {{"near a class limit", QString::number(weight, 'f', 6).replace(u'.', u',')},
            {"near a class limit", QString::number(centimetres)}};
}

} // namespace zorvel::monkey
