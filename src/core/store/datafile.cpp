#include "store/datafile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "store/atomicsave.hpp"
#include "text/asciicase.hpp"
#include "text/encoding.hpp"
#include "text/numbers.hpp"

namespace fs = std::filesystem;

namespace quorval::store {

FormatError::FormatError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), m_line(line) {}

LineReader::LineReader(std::string_view text, Conversions conversions)
    : m_text(text),
      m_plainEnd(conversions == Conversions::Fast && text.size() >= kPlainRoom ? text.size() - kPlainRoom + 1 : 0) {}

std::string_view LineReader::line() {
    if (atEnd()) throw FormatError(m_line + 1, "the file ends early");
    size_t end = m_text.find('\n', m_pos);
    if (end == std::string_view::npos) end = m_text.size();
    std::string_view result = m_text.substr(m_pos, end - m_pos);
    if (!result.empty() && result.back() == '\r') result.remove_suffix(1);
    m_pos = end + 1;
    ++m_line;
    return result;
}

int16_t LineReader::generalInt16(const char* what) {
    std::string_view field = line();
    auto value = text::parseFileInt16(field);
    if (!value) throw FormatError(m_line, std::string(what) + " is not a whole number that fits 16 bits");
    return *value;
}

float LineReader::generalNumber(const char* what) {
    std::string_view field = line();
    auto value = text::parseFileFloat(field);
    if (!value) throw FormatError(m_line, std::string(what) + " is not a number");
    return *value;
}

int16_t LineReader::int16In(const char* what, int low, int high) {
    int16_t value = int16(what);
    if (value < low || value > high) {
        throw FormatError(m_line, std::string(what) + " " + std::to_string(value) + " is outside " +
                                      std::to_string(low) + ".." + std::to_string(high));
    }
    return value;
}

std::string LineReader::item() {
    std::string_view field = line();
    field = field.substr(0, field.find(','));
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
    if (!field.empty() && field.front() == '"') {
        field.remove_prefix(1);
        field = field.substr(0, field.find('"'));
    }
    return std::string(field);
}

namespace {

bool sameBytes(const fs::path& a, const fs::path& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    std::stringstream sa, sb;
    sa << fa.rdbuf();
    sb << fb.rdbuf();
    return fa && fb && sa.str() == sb.str();
}

}  // namespace

fs::path findDataFile(std::string_view name) {
    fs::path wanted(name);
    std::error_code ec;
    if (fs::exists(wanted, ec)) return wanted;
    fs::path dir = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    std::string key = text::AsciiLower(wanted.filename().string());
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (text::AsciiLower(entry.path().filename().string()) == key) {
            return wanted.has_parent_path() ? dir / entry.path().filename() : entry.path().filename();
        }
    }
    return wanted;
}

std::optional<std::string> readTextFile(const fs::path& file) {
    // A folder opens like a file here and reports an absurd size; only plain files are data.
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    in.seekg(0, std::ios::end);
    auto size = in.tellg();
    if (size < 0) return std::nullopt;
    bytes.resize(static_cast<size_t>(size));
    in.seekg(0);
    in.read(bytes.data(), size);
    if (!in) return std::nullopt;
    return text::decodeToUtf8(std::move(bytes));
}

std::string writeFileAtomically(const fs::path& file, std::string_view content) {
    return replaceFile(file, content);
}

std::optional<std::string> keepUnreadableCopy(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    for (int n = 1; n < 1000; ++n) {
        fs::path copy = file;
        copy += n == 1 ? ".unreadable" : ".unreadable" + std::to_string(n);
        if (fs::exists(copy, ec)) {
            if (sameBytes(file, copy)) return copy.filename().string();
            continue;
        }
        if (fs::copy_file(file, copy, fs::copy_options::none, ec)) return copy.filename().string();
        return std::nullopt;
    }
    return std::nullopt;
}

LoadResult parseText(std::string_view text, const std::function<void(LineReader&)>& parse, Conversions conversions) {
    LoadResult result;
    try {
        LineReader reader(text, conversions);
        parse(reader);
    } catch (const FormatError& error) {
        result.ok = false;
        result.problem = error.what();
    }
    return result;
}

LoadResult loadDataFile(std::string_view name, const std::function<void(LineReader&)>& parse) {
    LoadResult result;
    fs::path file = findDataFile(name);
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        result.ok = false;
        result.problem = "the file does not exist";
        return result;
    }
    auto text = readTextFile(file);
    if (!text) {
        result.ok = false;
        result.problem = "the file cannot be read";
        return result;
    }
    result = parseText(*text, parse);
    if (!result.ok) {
        if (auto copy = keepUnreadableCopy(file)) result.keptCopy = *copy;
    }
    return result;
}

void expectEnd(LineReader& in, const std::string& after) {
    while (!in.atEnd()) {
        std::string_view line = in.line();
        if (line.find_first_not_of(" \t\r\x1a") != std::string_view::npos) {
            throw FormatError(in.lineNumber(), "line left over after " + after);
        }
    }
}

std::string withCopyNote(std::string text, const LoadResult& result) {
    if (!result.keptCopy.empty()) text += "\r\nThe unreadable file was kept as \"" + result.keptCopy + "\".";
    return text;
}

void appendLine(std::string& out, std::string_view text) {
    out.append(text);
    endLine(out);
}

void appendIntLine(std::string& out, long value) {
    text::appendFileInt(out, value);
    endLine(out);
}

void appendFloatLine(std::string& out, float value) {
    text::appendFileFloat(out, value);
    endLine(out);
}

}  // namespace quorval::store
