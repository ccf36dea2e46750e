#include "text/numbers.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace quorval::text {
namespace {

struct TextToNumber {
    const char* text;
    double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<TextToNumber> {};

TEST_P(LeadingNumberTest, TakesTheLongestDecimalPrefix) {
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         ::testing::Values(TextToNumber{"12abc", 12}, TextToNumber{"  -.5", -0.5},
                                           TextToNumber{"\t+3", 3}, TextToNumber{"7.", 7}, TextToNumber{"1,5", 1},
                                           TextToNumber{"12 34", 12}, TextToNumber{"1.5e2x", 150},
                                           TextToNumber{"1E+07", 1e7}, TextToNumber{"2e", 2}, TextToNumber{"", 0},
                                           TextToNumber{"   ", 0}, TextToNumber{"abc", 0}, TextToNumber{"-", 0},
                                           TextToNumber{".", 0}, TextToNumber{"1e-400", 0}, TextToNumber{"-1e-400", 0},
                                           TextToNumber{"0.0000001e-320", 0}, TextToNumber{"-1000e-10e", -1e-7}));

TEST(LeadingNumberTest, TooLargeIsInfinite) {
    EXPECT_EQ(leadingNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(leadingNumber("-" + std::string(400, '9') + "e-10"), -HUGE_VAL);
}

TEST(WholeNumberRoundingTest, IntFixAndHalfEvenDifferOnNegativesAndHalves) {
    struct Case {
        double x, intValue, fixValue, halfEven;
    };
    for (Case c : {Case{2.5, 2, 2, 2}, Case{3.5, 3, 3, 4}, Case{-2.5, -3, -2, -2}, Case{-3.5, -4, -3, -4},
                   Case{-0.57, -1, 0, -1}, Case{12.98, 12, 12, 13}, Case{0.5, 0, 0, 0}}) {
        EXPECT_EQ(Int(c.x), c.intValue) << c.x;
        EXPECT_EQ(Fix(c.x), c.fixValue) << c.x;
        EXPECT_EQ(roundHalfEven(c.x), c.halfEven) << c.x;
        EXPECT_EQ(Int(static_cast<float>(c.x)), static_cast<float>(c.intValue)) << c.x;
        EXPECT_EQ(Fix(static_cast<float>(c.x)), static_cast<float>(c.fixValue)) << c.x;
    }
}

struct NumberToText {
    double value;
    const char* text;
};

class GeneralFormTest : public ::testing::TestWithParam<NumberToText> {};

TEST_P(GeneralFormTest, SevenSignificantDigitsWithoutPadding) {
    EXPECT_EQ(generalForm(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralFormTest,
                         ::testing::Values(NumberToText{12.7, "12.7"}, NumberToText{0.5, ".5"},
                                           NumberToText{-0.25, "-.25"}, NumberToText{-1.3, "-1.3"},
                                           NumberToText{16, "16"}, NumberToText{1200, "1200"}, NumberToText{0, "0"},
                                           NumberToText{29.6f / 3, "9.866667"}, NumberToText{8.2f, "8.2"},
                                           NumberToText{1234567.8, "1234568"}, NumberToText{9999999, "9999999"},
                                           NumberToText{9999999.6, "1E+07"}, NumberToText{1e7, "1E+07"},
                                           NumberToText{-12345678, "-1.234568E+07"}, NumberToText{0.001, ".001"},
                                           NumberToText{0.0009999999999, ".001"}, NumberToText{0.0001, "1E-04"},
                                           NumberToText{0.000123456789, "1.234568E-04"}, NumberToText{1e-45, "1E-45"},
                                           NumberToText{0.99999996, "1"}));

TEST(FileFormTest, SignPositionNumberAndOneTrailingBlank) {
    EXPECT_EQ(fileInt(3000), " 3000 ");
    EXPECT_EQ(fileInt(0), " 0 ");
    EXPECT_EQ(fileInt(-2), "-2 ");
    EXPECT_EQ(fileInt(INT16_MIN), "-32768 ");
    EXPECT_EQ(fileFloat(0.5f), " .5 ");
    EXPECT_EQ(fileFloat(-0.5f), "-.5 ");
    EXPECT_EQ(fileFloat(16.0f), " 16 ");
    EXPECT_EQ(fileFloat(-1.3f), "-1.3 ");
    EXPECT_EQ(fileFloat(0.0f), " 0 ");
    EXPECT_EQ(fileFloat(-0.0f), " 0 ");
    EXPECT_EQ(fileFloat(1e-4f), " 1E-04 ");
    std::string line = "x";
    appendFileInt(line, 7);
    appendFileFloat(line, 9.866667f);
    EXPECT_EQ(line, "x 7  9.866667 ");
}

struct FileField {
    const char* field;
    std::optional<double> value;  // nothing: the field is refused
};

class ParseFileNumberTest : public ::testing::TestWithParam<FileField> {};

TEST_P(ParseFileNumberTest, OnlyANumberBetweenBlanks) {
    EXPECT_EQ(parseFileNumber(GetParam().field), GetParam().value) << '"' << GetParam().field << '"';
}

INSTANTIATE_TEST_SUITE_P(Fields, ParseFileNumberTest,
                         ::testing::Values(FileField{" 12 ", 12}, FileField{"-1.3 ", -1.3}, FileField{" .5 ", 0.5},
                                           FileField{"+4", 4}, FileField{" 1E+07 ", 1e7}, FileField{"\t3\r", 3},
                                           FileField{" 1e-400 ", 0}, FileField{"", std::nullopt},
                                           FileField{"  ", std::nullopt}, FileField{"12abc", std::nullopt},
                                           FileField{"1 2", std::nullopt}, FileField{".", std::nullopt},
                                           FileField{"-", std::nullopt}, FileField{"1e", std::nullopt},
                                           FileField{"nan", std::nullopt}, FileField{"inf", std::nullopt}));

class ParseFileInt16Test : public ::testing::TestWithParam<FileField> {};

TEST_P(ParseFileInt16Test, NearestWholeNumberThatFitsSixteenBits) {
    std::optional<double> parsed;
    if (auto value = parseFileInt16(GetParam().field)) parsed = *value;
    EXPECT_EQ(parsed, GetParam().value) << '"' << GetParam().field << '"';
}

INSTANTIATE_TEST_SUITE_P(Fields, ParseFileInt16Test,
                         ::testing::Values(FileField{" 3000 ", 3000}, FileField{"-2 ", -2}, FileField{"+7", 7},
                                           FileField{"2.5", 2}, FileField{"3.5", 4}, FileField{"-2.5", -2},
                                           FileField{"2.4999", 2}, FileField{"1E+03", 1000}, FileField{"32767", 32767},
                                           FileField{"32767.4", 32767}, FileField{"-32768", -32768},
                                           FileField{"-32768.5", -32768}, FileField{"1e-400", 0},
                                           FileField{"32768", std::nullopt}, FileField{"32767.5", std::nullopt},
                                           FileField{"-32769", std::nullopt}, FileField{"99999999999", std::nullopt},
                                           FileField{"1e400", std::nullopt}, FileField{"", std::nullopt},
                                           FileField{"12abc", std::nullopt}));

TEST(ParseFileFloatTest, RefusesWhatNoFloatHolds) {
    EXPECT_EQ(parseFileFloat(" 3.402823E+38 "), 3.402823e38f);
    EXPECT_EQ(parseFileFloat("1e39"), std::nullopt);
    EXPECT_EQ(parseFileFloat("-1e39"), std::nullopt);
}

// A file holds 7 significant digits; whatever float such a text gives must be saved so that it
// loads back as the same float, or indexes would drift with every save.
TEST(FileFloatRoundTripTest, AnyFloatAFileHoldsReadsBackEqual) {
    for (uint64_t bits = 0; bits <= 0x7F7FFFFFu; bits += 100003) {
        for (uint32_t sign : {0u, 0x80000000u}) {
            char held[32];
            std::snprintf(held, sizeof held, "%.6E", std::bit_cast<float>(static_cast<uint32_t>(bits) | sign));
            auto loaded = parseFileFloat(held);
            ASSERT_TRUE(loaded) << held;
            auto reloaded = parseFileFloat(fileFloat(*loaded));
            ASSERT_TRUE(reloaded) << held << " saved as " << fileFloat(*loaded);
            ASSERT_EQ(*reloaded, *loaded) << held << " saved as " << fileFloat(*loaded);
        }
    }
}

// Whatever float is in memory, the text it is saved as loads back to a float saved as the same
// text: saving a file twice gives the same bytes, also where a float holds fewer than 7 digits.
TEST(FileFloatRoundTripTest, SavingTwiceWritesTheSameText) {
    for (uint64_t bits = 0; bits <= 0x7F7FFFFFu; bits += 10007) {
        float value = std::bit_cast<float>(static_cast<uint32_t>(bits));
        std::string saved = fileFloat(value);
        auto loaded = parseFileFloat(saved);
        ASSERT_TRUE(loaded) << saved;
        ASSERT_EQ(fileFloat(*loaded), saved) << std::bit_cast<uint32_t>(value);
    }
    EXPECT_EQ(fileFloat(1.00000042e28f), " 1.0000004E+28 ");
    EXPECT_EQ(fileFloat(13.6f), " 13.6 ");
}

// Saving takes a quick route for the usual floats; it must give exactly the characters of the long
// one, across every exponent, every decade edge, the end of the quick range and exact halves.
TEST(FileFloatRoundTripTest, QuickFormEqualsTheGeneralOne) {
    std::vector<float> values;
    std::mt19937 rng(18);
    for (int i = 0; i < 100000; ++i) values.push_back(std::bit_cast<float>(static_cast<uint32_t>(rng())));
    for (int k = -20000; k <= 20000; ++k) values.push_back(static_cast<float>(k) / 10.0f);
    for (int k = 0; k < 20000; ++k) values.push_back(static_cast<float>(rng() % 100000000) / 100.0f);
    for (float edge : {1e-4f, 1e-3f, 1e-2f, 0.1f, 1.0f, 10.0f, 100.0f, 1000.0f, 1e4f, 1e5f, 1e6f, 1e7f, 8388608.0f,
                       16777216.0f, 0.5f, 9.9999995f, 999999.94f}) {
        float below = edge, above = edge;
        for (int step = 0; step < 64; ++step) {
            values.push_back(below = std::nextafter(below, 0.0f));
            values.push_back(above = std::nextafter(above, 1e30f));
        }
    }
    // Exact halves at the seventh digit go to the even neighbour.
    for (float half : {1234567.5f, 1234568.5f, 8388607.5f, 2097152.5f, 4194304.5f, 123456.25f, 123456.75f}) {
        values.push_back(half);
    }
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

struct Pattern {
    double value;
    const char* pattern;
    const char* text;
};

class FormatPatternTest : public ::testing::TestWithParam<Pattern> {};

TEST_P(FormatPatternTest, DigitsAsThePatternAsksHalvesAwayFromZero) {
    EXPECT_EQ(formatPattern(GetParam().value, GetParam().pattern), GetParam().text)
        << GetParam().value << " as " << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatPatternTest,
    ::testing::Values(Pattern{0.9f, "0.00", "0.90"}, Pattern{0.96f, "0.00", "0.96"}, Pattern{1, "0.00", "1.00"},
                      Pattern{2.675, "0.00", "2.68"}, Pattern{0.125, "0.00", "0.13"}, Pattern{0.25, "0.0", "0.3"},
                      Pattern{-0.25, "0.0", "-0.3"}, Pattern{0.25, "#0.0", "0.3"}, Pattern{99.95, "#0.0", "100.0"},
                      Pattern{123.45, "##0.0", "123.5"}, Pattern{1234.56, "###0.0", "1234.6"},
                      Pattern{0.5, "#.00", ".50"}, Pattern{0, "#.00", ".00"}, Pattern{-0.5, "#.00", "-.50"},
                      Pattern{12.345, "#.00", "12.35"}, Pattern{5.25, "00.0", "05.3"}, Pattern{5, "00", "05"},
                      Pattern{7.5, "00", "08"}, Pattern{-7.5, "00", "-08"}, Pattern{123, "00", "123"}));

}  // namespace
}  // namespace quorval::text
