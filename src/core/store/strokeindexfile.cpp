#include "store/strokeindexfile.hpp"

#include <charconv>
#include <filesystem>

#include "store/datafile.hpp"
#include "store/trackedsave.hpp"

namespace quorval::store {

namespace {

std::vector<std::string_view> splitCommas(std::string_view line) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t comma = line.find(',', start);
        parts.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

std::optional<int> wholeNumber(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return value;
}

std::string numberList(const std::vector<int>& numbers) {
    std::string out;
    for (int n : numbers) out += (out.empty() ? "" : ", ") + std::to_string(n);
    return out;
}

}  // namespace

std::string StrokeIndexProblem(const StrokeIndexes& si) {
    std::array<int, 19> seen{};
    std::vector<int> outside;
    for (int h = 1; h <= kHoles; ++h) {
        if (si[h] >= 1 && si[h] <= 18) {
            ++seen[si[h]];
        } else {
            outside.push_back(si[h]);
        }
    }
    std::vector<int> missing, repeated;
    for (int n = 1; n <= 18; ++n) {
        if (seen[n] == 0) missing.push_back(n);
        if (seen[n] > 1) repeated.push_back(n);
    }
    if (missing.empty()) return {};
    std::string text = "The stroke indexes must use each number from 1 to 18 once.";
    text += " Missing: " + numberList(missing) + ".";
    if (!repeated.empty()) text += " More than once: " + numberList(repeated) + ".";
    if (!outside.empty()) text += " Not 1 to 18: " + numberList(outside) + ".";
    return text;
}

std::vector<std::string> ParseStrokeIndexes(LeagueData& data, std::string_view text) {
    for (auto& si : data.strokeIndexes) si = StrokeIndexes{};
    std::vector<std::string> problems;
    LineReader in(text);
    while (!in.atEnd()) {
        std::string_view line = in.line();
        if (line.empty()) continue;
        std::string where = "course.si line " + std::to_string(in.lineNumber()) + ": ";
        // A course name may hold commas: the slot is first and the 18 numbers are last.
        std::vector<std::string_view> parts = splitCommas(line);
        if (parts.size() < 20) {
            problems.push_back(where + "not a slot, a name and 18 stroke indexes");
            continue;
        }
        auto slot = wholeNumber(parts[0]);
        if (!slot || *slot < 1 || *slot > data.courseCount) {
            problems.push_back(where + "\"" + std::string(parts[0]) + "\" is no course slot");
            continue;
        }
        std::string name;
        for (size_t i = 1; i + kHoles < parts.size(); ++i) {
            if (i > 1) name += ',';
            name += parts[i];
        }
        if (name != data.courses[*slot][course_field::kName]) {
            std::string problem = where;
            problem.append("course ").append(std::to_string(*slot)).append(" is no longer \"").append(name);
            problems.push_back(problem.append("\"; ignored"));
            continue;
        }
        StrokeIndexes si{};
        bool numbers = true;
        for (int h = 1; h <= kHoles; ++h) {
            auto value = wholeNumber(parts[parts.size() - 19 + h]);
            numbers = numbers && value && *value >= -99 && *value <= 99;
            if (numbers) si[h] = static_cast<int16_t>(*value);
        }
        std::string problem = numbers ? StrokeIndexProblem(si) : "the stroke indexes are not whole numbers";
        if (!problem.empty()) {
            problems.push_back(where + problem);
            continue;
        }
        data.strokeIndexes[*slot] = si;
    }
    return problems;
}

std::string FormatStrokeIndexes(const LeagueData& data) {
    std::string out;
    for (int c = 1; c <= data.courseCount; ++c) {
        const StrokeIndexes& si = data.strokeIndexes[c];
        if (!HasStrokeIndexes(si)) continue;
        std::string line = std::to_string(c) + "," + data.courses[c][course_field::kName];
        for (int h = 1; h <= kHoles; ++h) line += "," + std::to_string(si[h]);
        appendLine(out, line);
    }
    return out;
}

std::vector<std::string> LoadStrokeIndexFile(LeagueData& data) {
    for (auto& si : data.strokeIndexes) si = StrokeIndexes{};
    std::filesystem::path file = findDataFile(kStrokeIndexFileName);
    data.strokeIndexFileStamp = StampOf(file);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return {};
    auto text = readTextFile(file);
    if (!text) return {"course.si cannot be read"};
    std::vector<std::string> problems = ParseStrokeIndexes(data, *text);
    if (!problems.empty()) {
        if (auto copy = keepUnreadableCopy(file)) problems.push_back("course.si was kept as \"" + *copy + "\"");
    }
    return problems;
}

bool SaveStrokeIndexFile(LeagueData& data, platform::Dialogs& dialogs) {
    std::string text = FormatStrokeIndexes(data);
    std::filesystem::path file = findDataFile(kStrokeIndexFileName);
    std::error_code ec;
    if (text.empty() && !std::filesystem::exists(file, ec)) return true;
    TrackedSave save{file, &data.strokeIndexFileStamp, [&] { LoadStrokeIndexFile(data); }};
    save.content = std::move(text);
    save.failure = {"Unable to save the stroke indexes", "Course Setup", platform::Icon::Exclamation, false};
    return SaveTracked(save, dialogs);
}

}  // namespace quorval::store
