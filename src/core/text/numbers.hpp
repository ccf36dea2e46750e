#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number conversions used by every screen, report and data file. Each rule lives here once.
namespace quorval::text {

// Reads the number a typed or stored text starts with: leading blanks are skipped and the longest
// prefix that reads as a decimal number is taken ("12abc" is 12, "  -.5" is -0.5). Text without one,
// including empty text, gives 0.
double leadingNumber(std::string_view text);

// Whole-number rounding: Int rounds down (toward minus infinity), Fix drops the fraction (toward
// zero), roundHalfEven rounds to the nearest whole number with halves going to the even one.
inline float Int(float x) {
    return std::floor(x);
}
inline double Int(double x) {
    return std::floor(x);
}
inline float Fix(float x) {
    return std::trunc(x);
}
inline double Fix(double x) {
    return std::trunc(x);
}
double roundHalfEven(double x);

// The general number form: at most 7 significant digits, no trailing zeros, no point for whole
// numbers and no zero before the point (12.7, .5, -1.3, 16, 9.866667, 1E+07).
std::string generalForm(double x);

// The data file forms: a sign position (a blank or a minus sign), the number, one trailing blank.
std::string fileInt(long value);
std::string fileFloat(float value);
void appendFileInt(std::string& out, long value);
void appendFileFloat(std::string& out, float value);

// The same forms written straight into a buffer, for the savers that write many lines: each returns
// the end of what it wrote. A buffer of kMaxFileNumber characters always has room.
inline constexpr size_t kMaxFileNumber = 24;
char* writeFileInt(char* out, long value);
char* writeFileFloat(char* out, float value);

// The float form worked out the long way round, through the general number form and a read-back.
// appendFileFloat gives the same characters faster; this one is kept to check it against.
void appendFileFloatGeneral(std::string& out, float value);

// Reads a whole field of a data file as a number; surrounding blanks are ignored. Anything else on
// the line makes it unreadable (nullopt).
std::optional<double> parseFileNumber(std::string_view field);

// Integer fields take the nearest whole number (halves to even); the value must fit 16 bits.
std::optional<int16_t> parseFileInt16(std::string_view field);
std::optional<float> parseFileFloat(std::string_view field);

// The display patterns in use: "0.0", "#0.0", "##0.0", "###0.0", "0.00", "#.00", "00.0", "00".
// A '0' before the point is a digit always shown, a '#' one shown only when needed; the digits
// after the point give the decimals. Halves round away from zero, as on paper.
std::string formatPattern(double value, std::string_view pattern);

}  // namespace quorval::text
