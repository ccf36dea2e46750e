#include "text/encoding.hpp"

#include <gtest/gtest.h>

namespace quorval::text {
namespace {

TEST(DecodeToUtf8Test, Utf8KeptAnythingElseReadAsWindows1252) {
    const std::pair<std::string, std::string> kCases[] = {
        {"", ""},
        {"Pine Hills, \"Red\"\r\n", "Pine Hills, \"Red\"\r\n"},
        {"J\xC3\xB6rg \xE2\x82\xAC \xF0\x9F\x8F\x8C", "J\xC3\xB6rg \xE2\x82\xAC \xF0\x9F\x8F\x8C"},
        {"\xEF\xBB\xBFRen\xC3\xA9", "Ren\xC3\xA9"},
        {"\xEF\xBB\xBF", ""},
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        {"Ren\xE9", "Ren\xC3\xA9"},
        {"\x80 5", "\xE2\x82\xAC 5"},
        {"\x93Hook\x94", "\xE2\x80\x9CHook\xE2\x80\x9D"},
        {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        // One byte that is not UTF-8 makes the whole text Windows-1252, even the parts that looked like it.
        {"\xC3\xA9 \xE9", "\xC3\x83\xC2\xA9 \xC3\xA9"},
        // Overlong forms, surrogates, code points past U+10FFFF and cut-off sequences are not UTF-8.
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
        {"ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A"}};
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
