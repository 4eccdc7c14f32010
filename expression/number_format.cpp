#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "expression/matutil.h"

namespace {

constexpr int SignificantDigits = 15;

// The value's significant digits (trailing zeros removed) and the decimal
// exponent of the first one, after rounding to 15 significant digits.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits decimalDigits(long double magnitude) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", SignificantDigits - 1, magnitude);
    std::string text(buffer);
    const std::size_t e = text.find('e');
    DecimalDigits result;
    result.exponent = std::atoi(text.c_str() + e + 1);
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') result.digits += text[i];
    while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
    return result;
}

std::string fixedNotation(const DecimalDigits& d) {
    const int count = static_cast<int>(d.digits.size());
    std::string text;
    if (d.exponent < 0) {
        text.assign("0.").append(-d.exponent - 1, '0').append(d.digits);
    } else if (count <= d.exponent + 1) {
        text.assign(d.digits).append(d.exponent + 1 - count, '0');
    } else {
        text.assign(d.digits, 0, d.exponent + 1).append(1, '.').append(d.digits, d.exponent + 1);
    }
    return text;
}

std::string scientificNotation(const DecimalDigits& d) {
    std::string text(d.digits, 0, 1);
    if (d.digits.size() > 1) text.append(1, '.').append(d.digits, 1);
    return text.append(1, 'E').append(std::to_string(d.exponent));
}

}  // namespace

std::string FloatToStr(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    const DecimalDigits d = decimalDigits(std::fabs(value));
    const bool fixed = d.exponent >= -5 && d.exponent < SignificantDigits;
    const std::string text = fixed ? fixedNotation(d) : scientificNotation(d);
    return value < 0 ? std::string(1, '-').append(text) : text;
}

long double RoundTo(long double value, int decimals) {
    const double factor = std::pow(10.0, -decimals);
    const long double rounded = std::nearbyint(static_cast<double>(value) / factor) * factor;
    // Beyond the double range (an arc length of 1E4000) the value has no
    // decimals left to round: it stays, rather than becoming infinite.
    if (!std::isfinite(rounded) && std::isfinite(value)) return value;
    return rounded;
}
