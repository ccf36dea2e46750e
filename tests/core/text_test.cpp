#include "text/casefold.hpp"
#include "text/encoding.hpp"
#include "text/numbers.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <vector>

namespace quorval::text {
namespace {

TEST(LeadingNumberTest, TakesTheLongestDecimalPrefix) {
    // clang-format off
    const std::pair<const char*, double> kCases[] = {
        {"12abc", 12}, {"  -.5", -0.5}, {"\t+3", 3}, {"7.", 7}, {"1,5", 1}, {"1.5e2x", 150}, {"1E+07", 1e7},
        {"2e", 2}, {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"-1e-400", 0}, {"-1000e-10e", -1e-7}};
    // clang-format on
    for (auto [text, value] : kCases) EXPECT_DOUBLE_EQ(leadingNumber(text), value) << '"' << text << '"';
    EXPECT_EQ(leadingNumber("1e400"), HUGE_VAL);
}

TEST(WholeNumberRoundingTest, IntFixAndHalfEvenDifferOnNegativesAndHalves) {
    const std::array<double, 4> kCases[] = {{2.5, 2, 2, 2},     {3.5, 3, 3, 4},     {-2.5, -3, -2, -2},
                                            {-3.5, -4, -3, -4}, {-0.57, -1, 0, -1}, {12.98, 12, 12, 13}};
    for (auto [x, intValue, fixValue, halfEven] : kCases) {
        EXPECT_EQ(std::tuple(Int(x), Fix(x), roundHalfEven(x)), std::tuple(intValue, fixValue, halfEven)) << x;
        EXPECT_EQ(Int(static_cast<float>(x)), static_cast<float>(intValue)) << x;
        EXPECT_EQ(Fix(static_cast<float>(x)), static_cast<float>(fixValue)) << x;
    }
}

TEST(GeneralFormTest, SevenSignificantDigitsWithoutPadding) {
    // clang-format off
    const std::pair<double, const char*> kCases[] = {
        {12.7, "12.7"}, {-0.25, "-.25"}, {1200, "1200"}, {0, "0"}, {29.6f / 3, "9.866667"}, {8.2f, "8.2"},
        {9999999, "9999999"}, {9999999.6, "1E+07"}, {-12345678, "-1.234568E+07"}, {0.001, ".001"},
        {0.0009999999999, ".001"}, {0.000123456789, "1.234568E-04"}, {1e-45, "1E-45"}, {0.99999996, "1"}};
    // clang-format on
    for (auto [value, text] : kCases) EXPECT_EQ(generalForm(value), text) << value;
}

TEST(FileFormTest, SignPositionNumberAndOneTrailingBlank) {
    EXPECT_EQ(fileInt(3000) + fileInt(0) + fileInt(-2) + fileInt(INT16_MIN), " 3000  0 -2 -32768 ");
    // clang-format off
    const std::pair<float, const char*> kFloats[] = {
        {0.5f, " .5 "}, {-0.5f, "-.5 "}, {-1.3f, "-1.3 "}, {-0.0f, " 0 "}, {1e-4f, " 1E-04 "}, {13.6f, " 13.6 "},
        {1.00000042e28f, " 1.0000004E+28 "}, {1234568.5f, " 1234568 "}, {123456.25f, " 123456.2 "}};
    // clang-format on
    for (auto [value, text] : kFloats) EXPECT_EQ(fileFloat(value), text) << value;
    std::string line = "x";
    appendFileInt(line, 7);
    appendFileFloat(line, 9.866667f);
    EXPECT_EQ(line, "x 7  9.866667 ");
}

// Saving takes a quick route for the usual floats; it must give exactly the characters of the long
// one: random bit patterns, tenths, every decade edge and exact halves at the seventh digit.
TEST(FileFormTest, QuickFormEqualsTheGeneralOne) {
    std::vector<float> values;
    std::mt19937 rng(18);
    for (int i = 0; i < 100000; ++i) values.push_back(std::bit_cast<float>(static_cast<uint32_t>(rng())));
    for (int k = -20000; k <= 20000; ++k) values.push_back(static_cast<float>(k) / 10.0f);
    for (float edge : {1e-4f, 1e-3f, 1e-2f, 0.1f, 1.0f, 10.0f, 100.0f, 1000.0f, 1e4f, 1e5f, 1e6f, 1e7f, 8388608.0f,
                       16777216.0f, 0.5f, 9.9999995f, 999999.94f}) {
        float below = edge, above = edge;
        for (int step = 0; step < 64; ++step)
            values.insert(values.end(), {below = std::nextafter(below, 0.0f), above = std::nextafter(above, 1e30f)});
    }
    values.insert(values.end(), {1234567.5f, 1234568.5f, 8388607.5f, 2097152.5f, 123456.25f, 123456.75f});
    for (float value : values) {
        for (float signed_ : {value, -value}) {
            std::string quick, general;
            appendFileFloat(quick, signed_);
            appendFileFloatGeneral(general, signed_);
            ASSERT_EQ(quick, general) << std::hex << std::bit_cast<uint32_t>(signed_);
            ASSERT_LE(quick.size(), kMaxFileNumber);
        }
    }
}

TEST(ParseFileNumberTest, OnlyANumberBetweenBlanks) {
    const auto no = std::nullopt;
    // clang-format off
    const std::pair<const char*, std::optional<double>> kCases[] = {
        {" 12 ", 12}, {"-1.3 ", -1.3}, {" .5 ", 0.5}, {"+4", 4}, {" 1E+07 ", 1e7}, {"\t3\r", 3}, {" 1e-400 ", 0},
        {"  ", no}, {"12abc", no}, {"1 2", no}, {".", no}, {"1e", no}, {"nan", no}, {"inf", no}};
    // clang-format on
    for (auto [field, value] : kCases) EXPECT_EQ(parseFileNumber(field), value) << '"' << field << '"';
    EXPECT_EQ(parseFileFloat(" 3.402823E+38 "), 3.402823e38f);
}

TEST(ParseFileInt16Test, NearestWholeNumberThatFitsSixteenBits) {
    const auto no = std::nullopt;
    // clang-format off
    const std::pair<const char*, std::optional<int>> kCases[] = {
        {" 3000 ", 3000}, {"+7", 7}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"1E+03", 1000}, {"32767.4", 32767},
        {"-32768.5", -32768}, {"32767.5", no}, {"-32769", no}, {"1e400", no}, {"", no}, {"12abc", no}};
    // clang-format on
    for (auto [field, value] : kCases) {
        std::optional<int> parsed;
        if (auto got = parseFileInt16(field)) parsed = *got;
        EXPECT_EQ(parsed, value) << '"' << field << '"';
    }
}

TEST(FormatPatternTest, DigitsAsThePatternAsksHalvesAwayFromZero) {
    const std::tuple<double, const char*, const char*> kCases[] = {
        {0.96f, "0.00", "0.96"},  {1, "0.00", "1.00"},           {2.675, "0.00", "2.68"}, {-0.25, "0.0", "-0.3"},
        {99.95, "#0.0", "100.0"}, {1234.56, "###0.0", "1234.6"}, {0, "#.00", ".00"},      {-0.5, "#.00", "-.50"},
        {5.25, "00.0", "05.3"},   {-7.5, "00", "-08"},           {123, "00", "123"}};
    for (auto [value, pattern, text] : kCases)
        EXPECT_EQ(formatPattern(value, pattern), text) << value << " as " << pattern;
}

TEST(DecodeToUtf8Test, Utf8KeptAnythingElseReadAsWindows1252) {
    // One byte that is not UTF-8 makes the whole text Windows-1252, even the parts that looked like it;
    // overlong forms, surrogates, code points past U+10FFFF and cut-off sequences are not UTF-8.
    // clang-format off
    const std::pair<std::string, std::string> kCases[] = {
        {"J\xC3\xB6rg \xE2\x82\xAC \xF0\x9F\x8F\x8C", "J\xC3\xB6rg \xE2\x82\xAC \xF0\x9F\x8F\x8C"},
        {"\xEF\xBB\xBFRen\xC3\xA9", "Ren\xC3\xA9"}, {"\xEF\xBB\xBF", ""}, {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        {"Ren\xE9", "Ren\xC3\xA9"}, {"\x80 5", "\xE2\x82\xAC 5"}, {"\x93Hook\x94", "\xE2\x80\x9CHook\xE2\x80\x9D"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}, {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        {"\xC3\xA9 \xE9", "\xC3\x83\xC2\xA9 \xC3\xA9"}, {"\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}, {"ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}};
    // clang-format on
    for (const auto& [file, utf8] : kCases) EXPECT_EQ(decodeToUtf8(file), utf8) << file;
}

// Plain ASCII is skipped eight bytes at a time.
TEST(DecodeToUtf8Test, OddBytesAreFoundAtEveryPosition) {
    const std::string ascii(19, 'a');
    for (size_t at = 0; at <= ascii.size(); ++at) {
        std::string withLatin1 = ascii, withUtf8 = ascii;
        withLatin1.insert(at, "\xE9");
        withUtf8.insert(at, "\xC3\xA9");
        EXPECT_EQ(decodeToUtf8(withLatin1), withUtf8) << at;
        EXPECT_EQ(decodeToUtf8(withUtf8), withUtf8) << at;
        EXPECT_FALSE(isValidUtf8(withLatin1)) << at;
    }
}

}  // namespace
}  // namespace quorval::text

// Western European capitals fold; every other character, of any length, and a stray byte stay.
TEST(FoldedCaseTest, FoldsTheLettersOfOlderFilesAndKeepsTheRest) {
    EXPECT_EQ(quorval::text::FoldedCase("JOSÉ ÑÚÑEZ Œ Š Ž Ÿ ×"), "josé ñúñez œ š ž ÿ ×");
    EXPECT_EQ(quorval::text::FoldedCase("Ā € 中 𝄞 \xFF!"), "Ā € 中 𝄞 \xFF!");
    EXPECT_TRUE(quorval::text::SameNameIgnoringCase("  Pine HILLS\t", "pine hills"));
}
