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
    if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
    if (count <= d.exponent + 1) return d.digits + std::string(d.exponent + 1 - count, '0');
    return d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
}

std::string scientificNotation(const DecimalDigits& d) {
    std::string mantissa = d.digits.substr(0, 1);
    if (d.digits.size() > 1) mantissa += "." + d.digits.substr(1);
    return mantissa + "E" + std::to_string(d.exponent);
}

}  // namespace

std::string FloatToStr(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    const DecimalDigits d = decimalDigits(std::fabs(value));
    const bool fixed = d.exponent >= -5 && d.exponent < SignificantDigits;
    const std::string text = fixed ? fixedNotation(d) : scientificNotation(d);
    return value < 0 ? "-" + text : text;
}

long double RoundTo(long double value, int decimals) {
    const double factor = std::pow(10.0, -decimals);
    return std::nearbyint(static_cast<double>(value) / factor) * factor;
}
