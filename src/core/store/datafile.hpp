#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing the plain text data files: one value per line, CR LF line ends, atomic saves.
namespace quorval::store {

// A data file that does not read as its layout says. Thrown only inside the loaders, which turn it
// into the user's message.
class FormatError : public std::runtime_error {
public:
    FormatError(int line, const std::string& what);
    int line() const { return m_line; }

private:
    int m_line;
};

// Walks the lines of a decoded file. Every read past the last line throws FormatError.
class LineReader {
public:
    explicit LineReader(std::string_view text);

    std::string_view line();  // the next line, whole
    int16_t int16(const char* what);
    float number(const char* what);
    // Reads an integer and checks that it lies within [low, high].
    int16_t int16In(const char* what, int low, int high);
    // A value as a comma-separated read takes it: up to the first comma, blanks and quotes trimmed.
    std::string item();

    bool atEnd() const { return m_pos >= m_text.size(); }
    int lineNumber() const { return m_line; }

private:
    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 0;
};

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
LoadResult parseText(std::string_view text, const std::function<void(LineReader&)>& parse);

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
