#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing the plain text data files: one value per line, CR LF line ends, atomic saves.
namespace quorval::store {

// The quick file routes read and write whole words of bytes in little-endian order.
static_assert(std::endian::native == std::endian::little);

// A data file that does not read as its layout says. Thrown only inside the loaders, which turn it
// into the user's message.
class FormatError : public std::runtime_error {
public:
    FormatError(int line, const std::string& what);
    int line() const { return m_line; }

private:
    int m_line;
};

// How numbers are read and written: Fast takes the common plain forms in one step and hands
// anything else to the General conversions, which alone decide every unusual case. Both give the
// same values and bytes; General stays selectable so that tests can hold the two side by side.
enum class Conversions { Fast, General };

// Walks the lines of a decoded file. Every read past the last line throws FormatError.
class LineReader {
public:
    explicit LineReader(std::string_view text, Conversions conversions = Conversions::Fast);

    std::string_view line();  // the next line, whole
    int16_t int16(const char* what) {
        int16_t value;
        return plainInt16(value) ? value : generalInt16(what);
    }
    float number(const char* what) {
        float value;
        return plainNumber(value) ? value : generalNumber(what);
    }
    // Reads an integer and checks that it lies within [low, high].
    int16_t int16In(const char* what, int low, int high);
    // A value as a comma-separated read takes it: up to the first comma, blanks and quotes trimmed.
    std::string item();

    bool atEnd() const { return m_pos >= m_text.size(); }
    int lineNumber() const { return m_line; }

private:
    // The quick routes read lines exactly as this program writes them: a blank or a minus sign,
    // the digits, a blank, CR LF or LF. Anything else, and the last few bytes of the text, go the
    // general way. Enough bytes remain for the longest such line, so no byte is checked for the end.
    static constexpr size_t kPlainRoom = 32;

    // Up to five digits that fit 16 bits. The usual line, up to four digits with its blank and
    // CR LF, is taken from one 8-byte word.
    bool plainInt16(int16_t& value) {
        if (m_pos >= m_plainEnd) return false;
        const char* p = m_text.data() + m_pos;
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        // Most lines are one or two digits: " 4 " or " 12 ", CR LF.
        uint64_t first = ((word >> 8) & 0xFF) - '0';
        if ((word & 0xFFFFFF00FFULL) == 0x0A0D200020ULL && first < 10) {
            value = static_cast<int16_t>(first);
            m_pos += 5;
            ++m_line;
            return true;
        }
        uint64_t second = ((word >> 16) & 0xFF) - '0';
        if ((word & 0xFFFFFF0000FFULL) == 0x0A0D20000020ULL && first < 10 && second < 10) {
            value = static_cast<int16_t>(first * 10 + second);
            m_pos += 6;
            ++m_line;
            return true;
        }
        uint64_t sign = word & 0xFF;
        if (sign == ' ' || sign == '-') {
            // Digits become 0..9; a byte is a digit when it is below 10 (no carry between bytes).
            uint64_t t = (word >> 8) ^ 0x0030303030303030ULL;
            uint64_t notDigit = (((t & 0x7F7F7F7F7F7F7F7FULL) + 0x7676767676767676ULL) | t) & 0x8080808080808080ULL;
            int digits = std::countr_zero(notDigit) / 8;
            if (digits >= 1 && digits <= 4 && ((word >> (8 * (1 + digits))) & 0xFFFFFF) == 0x0A0D20) {
                int n = 0;
                for (int k = 0; k < digits; ++k) n = n * 10 + static_cast<int>((t >> (8 * k)) & 0xFF);
                value = static_cast<int16_t>(sign == '-' ? -n : n);
                m_pos += static_cast<size_t>(digits) + 4;
                ++m_line;
                return true;
            }
        }
        p += *p == ' ';
        bool negative = *p == '-';
        p += negative;
        unsigned n = static_cast<unsigned>(*p - '0');
        if (n > 9) return false;
        ++p;
        for (int more = 0; more < 4; ++more, ++p) {
            unsigned digit = static_cast<unsigned>(*p - '0');
            if (digit > 9) break;
            n = n * 10 + digit;
        }
        if (n > 32767u + negative || !endOfPlainLine(p)) return false;
        value = static_cast<int16_t>(negative ? -static_cast<int>(n) : static_cast<int>(n));
        return true;
    }
    // A decimal of at most 15 digits: the digits as a whole number and the power of ten are both
    // exact doubles, so the one division rounds exactly as reading the text does.
    bool plainNumber(float& value) {
        static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        if (m_pos >= m_plainEnd) return false;
        const char* p = m_text.data() + m_pos;
        p += *p == ' ';
        bool negative = *p == '-';
        p += negative;
        const char* first = p;
        uint64_t mantissa = 0;
        for (unsigned digit; (digit = static_cast<unsigned>(*p - '0')) <= 9 && p - first < 15; ++p) {
            mantissa = mantissa * 10 + digit;
        }
        int digits = static_cast<int>(p - first), decimals = 0;
        if (*p == '.') {
            const char* point = ++p;
            for (unsigned digit; (digit = static_cast<unsigned>(*p - '0')) <= 9 && digits + (p - point) < 15; ++p) {
                mantissa = mantissa * 10 + digit;
            }
            decimals = static_cast<int>(p - point);
            digits += decimals;
        }
        if (digits == 0 || !endOfPlainLine(p)) return false;
        double magnitude = static_cast<double>(mantissa) / kPow10[decimals];
        value = static_cast<float>(negative ? -magnitude : magnitude);
        return true;
    }
    // One blank at most, then the line's end; moves past the line when that is all there is.
    bool endOfPlainLine(const char* p) {
        p += *p == ' ';
        p += *p == '\r';
        if (*p != '\n') return false;
        m_pos = static_cast<size_t>(p + 1 - m_text.data());
        ++m_line;
        return true;
    }
    int16_t generalInt16(const char* what);
    float generalNumber(const char* what);

    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 0;
    size_t m_plainEnd = 0;  // the quick routes start a line only before this offset
};

// Reads the rest of the text: a line that is not blank is left over after what the file's counts
// announced, and makes the file unreadable.
void expectEnd(LineReader& in, const std::string& after);

// The outcome of a load, for the command-line check and the tests; the user sees the message box.
struct LoadResult {
    bool ok = true;
    std::string problem;   // what is wrong, for one line of a report
    std::string keptCopy;  // where the unreadable file was copied, if it was
};

// Data files live in the working directory. An existing file is found whatever the letter case of
// its name; a file that does not exist yet gets the name as given.
std::filesystem::path findDataFile(std::string_view name);

// Reads the whole file and decodes it to UTF-8; nothing when it cannot be opened.
std::optional<std::string> readTextFile(const std::filesystem::path& file);

// Writes the content beside the file, flushes it to disk and renames it over the old one, so a
// failed save leaves the old file as it was. Returns an empty text on success, else why it failed.
std::string writeFileAtomically(const std::filesystem::path& file, std::string_view content);

// Before a file that failed to load can be replaced, an exact copy is kept beside it
// ("Fall.LGE.unreadable", then "Fall.LGE.unreadable2", ...; a copy with the same bytes is reused).
// Returns the copy's file name, or nothing when no copy could be made.
std::optional<std::string> keepUnreadableCopy(const std::filesystem::path& file);

// Hands the text's lines to parse and reports the first problem it finds.
LoadResult parseText(std::string_view text, const std::function<void(LineReader&)>& parse,
                     Conversions conversions = Conversions::Fast);

// Finds the data file, reads it and hands its lines to parse. When the file exists but parse
// finds it unreadable, an exact copy is kept before anything can overwrite it.
LoadResult loadDataFile(std::string_view name, const std::function<void(LineReader&)>& parse);

// Appends the line that tells the user where the unreadable original was kept.
std::string withCopyNote(std::string text, const LoadResult& result);

// Lines are ended by CR LF.
inline void endLine(std::string& out) {
    out.append("\r\n");
}
void appendLine(std::string& out, std::string_view text);
void appendIntLine(std::string& out, long value);
void appendFloatLine(std::string& out, float value);

}  // namespace quorval::store
