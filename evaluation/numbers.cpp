#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace zorvel {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number in the plain form that std::from_chars reads:
// "[-]digits[.digits][e[-]digits]". Most texts are short and stay on the stack; a
// long one (a pasted page of digits) goes to the heap.
class PlainForm {
public:
    explicit PlainForm(std::size_t capacity) : onHeap_(capacity > small_.size()) {
        if (onHeap_) {
            large_.reserve(capacity);
        }
    }
    void push(char c) {
        if (onHeap_) {
            large_.push_back(c);
        } else {
            small_[size_++] = c;
        }
    }
    const char* begin() const { return onHeap_ ? large_.data() : small_.data(); }
    const char* end() const { return begin() + (onHeap_ ? large_.size() : size_); }

private:
    bool onHeap_;
    std::array<char, 96> small_{};
    std::size_t size_ = 0;
    std::string large_;
};

} // namespace

Expected<double, NumberError> parseNumber(std::string_view text, NumberFormat format) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    const std::string_view body = text.substr(first, last - first);

    // Room for every character, a leading "0" and the exponent sign.
    PlainForm plain(body.size() + 4);
    std::size_t at = 0;
    bool negative = false;
    if (at < body.size() && (body[at] == '+' || body[at] == '-')) {
        negative = body[at] == '-';
        ++at;
    }
    if (negative) {
        plain.push('-');
    }
    plain.push('0');

    // The decimal exponent of the first significant digit, to tell an underflow
    // from an overflow when the value does not fit a double.
    long long significantDigitsBeforePoint = 0;
    long long zerosAfterPoint = 0;
    bool anyNonZero = false;
    int mantissaDigits = 0;

    for (; at < body.size(); ++at) {
        const char c = body[at];
        if (isDigit(c)) {
            plain.push(c);
            ++mantissaDigits;
            if (c != '0' || anyNonZero) {
                anyNonZero = true;
                ++significantDigitsBeforePoint;
            }
        } else if (c != format.groupingSeparator) {
            break;
        }
    }
    if (at < body.size() && body[at] == format.decimalSeparator) {
        ++at;
        plain.push('.');
        for (; at < body.size() && isDigit(body[at]); ++at) {
            plain.push(body[at]);
            ++mantissaDigits;
            if (!anyNonZero) {
                if (body[at] == '0') {
                    ++zerosAfterPoint;
                } else {
                    anyNonZero = true;
                }
            }
        }
    }
    if (mantissaDigits == 0) {
        return NumberError::notANumber;
    }

    long long exponent = 0;
    if (at < body.size() && (body[at] == 'E' || body[at] == 'e')) {
        ++at;
        bool negativeExponent = false;
        if (at < body.size() && (body[at] == '+' || body[at] == '-')) {
            negativeExponent = body[at] == '-';
            ++at;
        }
        plain.push('e');
        if (negativeExponent) {
            plain.push('-');
        }
        int exponentDigits = 0;
        constexpr long long exponentCap = 1'000'000'000;
        for (; at < body.size() && isDigit(body[at]); ++at) {
            plain.push(body[at]);
            ++exponentDigits;
            exponent = std::min(exponentCap, exponent * 10 + (body[at] - '0'));
        }
        if (exponentDigits == 0) {
            return NumberError::notANumber;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (at != body.size()) {
        return NumberError::notANumber;
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.begin(), plain.end(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const long long magnitude = significantDigitsBeforePoint > 0
                                        ? significantDigitsBeforePoint - 1 + exponent
                                        : -(zerosAfterPoint + 1) + exponent;
        if (magnitude < 0) {
            return negative ? -0.0 : 0.0;
        }
        return NumberError::outOfRange;
    }
    if (error != std::errc{} || end != plain.end()) {
        return NumberError::notANumber;
    }
    return value;
}

Expected<std::int16_t, NumberError> parseInt16(std::string_view text, NumberFormat format) {
    const auto number = parseNumber(text, format);
    if (!number) {
        return number.error();
    }
    const double value = *number;
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max()) {
        return NumberError::outOfRange;
    }
    return static_cast<std::int16_t>(rounded);
}

std::string formatNumber(double value, NumberFormat format) {
    if (value == 0.0) {
        return "0"; // never "-0"
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == '.') {
            c = format.decimalSeparator;
        } else if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

} // namespace zorvel
