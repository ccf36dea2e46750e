#include "text/numbers.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quorval::text {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the decimal number at the start of s (sign, digits, point, exponent), 0 when none.
size_t numberPrefixLength(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

// Power of ten of the first non-zero digit of an unsigned decimal number ("1234.5" 3, ".05e-1" -3).
long leadingPower(std::string_view s) {
    size_t e = std::min(s.find_first_of("eE"), s.size());
    std::string_view mantissa = s.substr(0, e);
    size_t point = std::min(mantissa.find('.'), mantissa.size());
    size_t first = std::min(mantissa.find_first_not_of("0."), mantissa.size());
    long power = first < point ? static_cast<long>(point - first - 1) : -static_cast<long>(first - point);
    long exponent = 0;
    bool negative = e + 1 < s.size() && s[e + 1] == '-';
    for (size_t i = e + 1; i < s.size(); ++i)
        if (isDigit(s[i]) && exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
    return power + (negative ? -exponent : exponent);
}

// Converts a span already known to be a decimal number. from_chars takes neither '+' nor a lone
// point before the digits in every library, so those are handled here.
double convertNumber(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    std::string buffer;
    if (!s.empty() && s[0] == '.') {
        buffer = "0";
        buffer.append(s);
        s = buffer;
    }
    double value = 0;
    auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    // Out of range is reported for numbers too small as well as too large; a tiny one is 0.
    if (result.ec == std::errc::result_out_of_range) value = leadingPower(s) < 0 ? 0.0 : HUGE_VAL;
    return negative ? -value : value;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Significant digits (no trailing zeros) and decimal exponent of x rounded to `precision` digits.
struct Decimal {
    std::string digits;
    int exponent = 0;  // x = 0.d1d2d3... * 10^(exponent + 1), i.e. d1 stands at 10^exponent
};

// Reads the digits and exponent of a number printed in scientific form ("1.2345e+01").
Decimal fromScientific(std::string_view s) {
    Decimal d;
    size_t e = s.find('e');
    for (char c : s.substr(0, e))
        if (isDigit(c)) d.digits.push_back(c);
    d.exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

Decimal toDecimal(double x, int precision) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, precision - 1);
    return fromScientific(std::string_view(buf, r.ptr - buf));
}

// The fewest digits that read back as exactly this float.
Decimal shortestDecimal(float x) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    return fromScientific(std::string_view(buf, r.ptr - buf));
}

void render(std::string& out, const Decimal& d) {
    int n = static_cast<int>(d.digits.size());
    if (d.exponent >= 7 || d.exponent < -3) {
        out.push_back(d.digits[0]);
        if (n > 1) {
            out.push_back('.');
            out.append(d.digits, 1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
        out.append(exp);
    } else if (d.exponent < 0) {
        out.push_back('.');
        out.append(static_cast<size_t>(-d.exponent - 1), '0');
        out.append(d.digits);
    } else {
        int intDigits = d.exponent + 1;
        for (int i = 0; i < intDigits; ++i) out.push_back(i < n ? d.digits[i] : '0');
        if (n > intDigits) {
            out.push_back('.');
            out.append(d.digits, intDigits);
        }
    }
}

void appendGeneral(std::string& out, double x) {
    if (x == 0 || std::isnan(x)) {
        out.push_back('0');
        return;
    }
    if (x < 0) {
        out.push_back('-');
        x = -x;
    }
    render(out, toDecimal(x, 7));
}

}  // namespace

double leadingNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    size_t n = numberPrefixLength(text);
    return n == 0 ? 0.0 : convertNumber(text.substr(0, n));
}

double roundHalfEven(double x) {
    return std::nearbyint(x);
}

std::string generalForm(double x) {
    std::string out;
    appendGeneral(out, x);
    return out;
}

char* writeFileInt(char* out, long value) {
    *out++ = value < 0 ? '-' : ' ';
    unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    if (magnitude < 10) {
        *out++ = static_cast<char>('0' + magnitude);
    } else {
        out = std::to_chars(out, out + kMaxFileNumber - 2, magnitude).ptr;
    }
    *out++ = ' ';
    return out;
}

void appendFileInt(std::string& out, long value) {
    char buf[kMaxFileNumber];
    out.append(buf, writeFileInt(buf, value));
}

void appendFileFloatGeneral(std::string& out, float value) {
    if (value == 0) {
        out.append(" 0 ");
        return;
    }
    out.push_back(value < 0 ? '-' : ' ');
    float magnitude = std::fabs(value);
    size_t start = out.size();
    appendGeneral(out, magnitude);
    // Near the top of a decade above 10^7 a float holds fewer than 7 digits, and the 7-digit form
    // can read back as a float that prints differently. Such a value is written with the digits
    // that read back exactly, so a file saved twice stays the same.
    float back = static_cast<float>(std::strtod(out.c_str() + start, nullptr));
    if (back != magnitude) {
        std::string again;
        appendGeneral(again, back);
        if (again != out.substr(start)) {
            out.resize(start);
            render(out, shortestDecimal(magnitude));
        }
    }
    out.push_back(' ');
}

namespace {

// The 7 significant digits of a float from 0.001 up to 2^23 (where a float is finer than the
// seventh digit, so the read-back above never changes them), worked out exactly in integers: the
// float is m * 2^q, and m * 5^p * 2^(p+q) with p = 6 - e is the value times 10^(6-e), below 2^45.
// Writes the plain form without sign; nullptr when the value is outside that range.
char* writeSevenDigits(char* out, float magnitude) {
    double x = magnitude;
    if (!(x >= 1e-3 && x < 8388608.0)) return nullptr;
    static constexpr double kDecades[] = {1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    int e = 6;
    while (x < kDecades[e + 3]) --e;
    uint32_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    uint64_t m = (bits & 0x7FFFFFu) | 0x800000u;
    int q = static_cast<int>(bits >> 23) - 150;
    static constexpr uint64_t kPow5[] = {1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125};
    int p = 6 - e;
    uint64_t scaled = m * kPow5[p];
    int shift = -(p + q);
    if (shift < 0 || shift > 60) return nullptr;
    uint64_t n = shift == 0 ? scaled : scaled >> shift;
    if (shift > 0) {
        // Halves go to the even neighbour, as the general form rounds.
        uint64_t rest = scaled & ((uint64_t{1} << shift) - 1);
        uint64_t half = uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (n & 1))) ++n;
    }
    if (n == 10000000) {
        n = 1000000;
        ++e;
    }
    // The decade guess is exact for floats (none lies between a power of ten and its float), but a
    // wrong one would show here; the general form then decides.
    if (n < 1000000 || n > 9999999 || e > 6) return nullptr;
    char digits[7];
    for (int i = 6; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    int count = 7;
    while (count > 1 && digits[count - 1] == '0') --count;
    if (e < 0) {
        *out++ = '.';
        for (int i = 0; i < -e - 1; ++i) *out++ = '0';
        std::memcpy(out, digits, static_cast<size_t>(count));
        return out + count;
    }
    int whole = e + 1;
    for (int i = 0; i < whole; ++i) *out++ = i < count ? digits[i] : '0';
    if (count > whole) {
        *out++ = '.';
        std::memcpy(out, digits + whole, static_cast<size_t>(count - whole));
        out += count - whole;
    }
    return out;
}

}  // namespace

char* writeFileFloat(char* out, float value) {
    if (value == 0) {
        std::copy_n(" 0 ", 3, out);  // a field of the line, not a C string
        return out + 3;
    }
    char* start = out;
    *out++ = value < 0 ? '-' : ' ';
    float magnitude = std::fabs(value);
    // Whole numbers and tenths from 1 up to a million, the usual stored values: when the float lies
    // within half a seventh digit of k / 10, that is its 7-digit form. Ten times a float and its
    // distance to the nearest whole number are exact in double.
    if (magnitude >= 1.0f && magnitude < 1e6f) {
        double tenths = static_cast<double>(magnitude) * 10;
        // Rounded half up by truncation (tenths is positive): a value half way between two tenths
        // fails the test below either way, and this needs no call into the maths library.
        auto k = static_cast<double>(static_cast<unsigned long>(tenths + 0.5));
        if (std::fabs(tenths - k) < 5e-6) {
            auto whole = static_cast<unsigned long>(k) / 10;
            auto tenth = static_cast<unsigned>(static_cast<unsigned long>(k) % 10);
            out = std::to_chars(out, out + 8, whole).ptr;
            if (tenth != 0) {
                *out++ = '.';
                *out++ = static_cast<char>('0' + tenth);
            }
            *out++ = ' ';
            return out;
        }
    }
    if (char* end = writeSevenDigits(out, magnitude)) {
        *end++ = ' ';
        return end;
    }
    std::string general;
    appendFileFloatGeneral(general, value);
    std::copy(general.begin(), general.end(), start);
    return start + general.size();
}

void appendFileFloat(std::string& out, float value) {
    char buf[kMaxFileNumber];
    out.append(buf, writeFileFloat(buf, value));
}

std::string fileInt(long value) {
    std::string s;
    appendFileInt(s, value);
    return s;
}

std::string fileFloat(float value) {
    std::string s;
    appendFileFloat(s, value);
    return s;
}

std::optional<double> parseFileNumber(std::string_view field) {
    field = trimBlanks(field);
    size_t n = numberPrefixLength(field);
    if (n == 0 || n != field.size()) return std::nullopt;
    return convertNumber(field);
}

std::optional<int16_t> parseFileInt16(std::string_view field) {
    field = trimBlanks(field);
    int value = 0;
    auto r = std::from_chars(field.data(), field.data() + field.size(), value);
    if (r.ec == std::errc() && r.ptr == field.data() + field.size() && !field.empty()) {
        if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
        return static_cast<int16_t>(value);
    }
    auto number = parseFileNumber(field);
    if (!number) return std::nullopt;
    double rounded = roundHalfEven(*number);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) return std::nullopt;
    return static_cast<int16_t>(rounded);
}

std::optional<float> parseFileFloat(std::string_view field) {
    auto number = parseFileNumber(field);
    if (!number || !std::isfinite(static_cast<float>(*number))) return std::nullopt;
    return static_cast<float>(*number);
}

std::string formatPattern(double value, std::string_view pattern) {
    size_t point = pattern.find('.');
    std::string_view intPart = pattern.substr(0, point);
    int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    int minIntDigits = 0;
    for (char c : intPart)
        if (c == '0') ++minIntDigits;

    // Rounds the value as it reads to 15 digits, so 2.675 shows as 2.68 and not as its binary neighbour.
    char exact[64];
    std::snprintf(exact, sizeof exact, "%.15g", value);
    double scaled = std::strtod(exact, nullptr) * std::pow(10.0, decimals);
    std::snprintf(exact, sizeof exact, "%.15g", scaled);
    double units = std::round(std::strtod(exact, nullptr));  // halves away from zero

    bool negative = units < 0;
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.0f", std::fabs(units));
    std::string all(digits);
    if (static_cast<int>(all.size()) < decimals + 1) all.insert(0, decimals + 1 - all.size(), '0');
    std::string intDigits = all.substr(0, all.size() - decimals);
    std::string fraction = all.substr(all.size() - decimals);
    while (intDigits.size() > 1 && intDigits[0] == '0') intDigits.erase(0, 1);
    if (intDigits == "0" && minIntDigits == 0) intDigits.clear();
    if (static_cast<int>(intDigits.size()) < minIntDigits) intDigits.insert(0, minIntDigits - intDigits.size(), '0');

    std::string out = negative ? "-" : "";
    out += intDigits;
    if (decimals > 0) out += "." + fraction;
    return out;
}

}  // namespace quorval::text
