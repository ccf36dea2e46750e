#include "courses/courseeditor.hpp"

#include <algorithm>
#include <vector>

#include "players/roster.hpp"
#include "store/coursefile.hpp"
#include "store/strokeindexfile.hpp"
#include "text/casefold.hpp"
#include "text/names.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::courses {

namespace f = store::course_field;

namespace {

std::string trimmed(std::string_view s) {
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    size_t last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

// A typed number: digits with at most one decimal point, blanks around it allowed. An empty box
// is 0, as the course file has always read it.
std::optional<double> typedNumber(std::string_view text, bool whole) {
    std::string t = trimmed(text);
    if (t.empty()) return 0.0;
    if (t == ".") return std::nullopt;
    int points = 0;
    for (char c : t) {
        if (c == '.') {
            ++points;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    if (points > (whole ? 0 : 1)) return std::nullopt;
    return text::leadingNumber(t);
}

bool sameName(std::string_view a, std::string_view b) {
    return text::SameNameIgnoringCase(a, b);
}

std::string withSignPlace(double value) {
    std::string digits = text::generalForm(value);
    return value < 0 ? digits : " " + digits;
}

bool validSlot(int slot) {
    return slot >= 1 && slot <= store::kMaxCourses;
}

}  // namespace

CourseForm FormFromCourse(const store::CourseRecord& course) {
    CourseForm form;
    form.name = course[f::kName];
    form.out = course[f::kParOut];
    form.in = course[f::kParIn];
    form.total = course[f::kParTotal];
    for (int h = 1; h <= store::kHoles; ++h) form.pars[h] = course[f::kHolePar0 + h];
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        form.ratings[t] = course[f::kRating0 + t];
        form.slopes[t] = course[f::kSlope0 + t];
    }
    form.initials = course[f::kInitials];
    return form;
}

void StoreForm(const CourseForm& form, store::CourseRecord& course) {
    course[f::kName] = form.name;
    course[f::kParOut] = form.out;
    course[f::kParIn] = form.in;
    course[f::kParTotal] = form.total;
    for (int h = 1; h <= store::kHoles; ++h) course[f::kHolePar0 + h] = form.pars[h];
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        // A tee left blank stays blank in the file.
        course[f::kRating0 + t] = trimmed(form.ratings[t]).empty() ? "" : StoredNumber(form.ratings[t]);
        course[f::kSlope0 + t] = trimmed(form.slopes[t]).empty() ? "" : StoredNumber(form.slopes[t]);
    }
    course[f::kInitials] = form.initials;
}

std::string ParBoxText(std::string_view text) {
    if (text.empty()) return " ";
    if (text.front() != ' ') return " " + std::string(text);
    return std::string(text);
}

std::string NinePar(const std::array<std::string, 19>& pars, int firstHole) {
    double sum = 0;
    for (int h = firstHole; h < firstHole + 9; ++h) sum += text::leadingNumber(pars[h]);
    return text::generalForm(sum);
}

std::string TotalPar(std::string_view out, std::string_view in) {
    return withSignPlace(text::leadingNumber(in) + text::leadingNumber(out));
}

std::string StoredNumber(std::string_view caption) {
    return withSignPlace(text::leadingNumber(caption));
}

std::string StepRating(std::string_view caption, int step) {
    if (trimmed(caption).empty()) return kNewRating;
    double value = text::leadingNumber(caption);
    if (step < 0 && value <= kLowestRating) return std::string(caption);
    if (step > 0 && value >= kHighestRating - 0.05) return std::string(caption);
    return text::formatPattern(value + (step < 0 ? -0.1 : 0.1), "00.0");
}

std::string StepSlope(std::string_view caption, int step) {
    if (trimmed(caption).empty()) return kNewSlope;
    double value = text::leadingNumber(caption);
    if ((step < 0 && value <= kLowestSlope) || (step > 0 && value >= kHighestSlope)) return std::string(caption);
    return text::generalForm(value + (step < 0 ? -1 : 1));
}

std::optional<platform::Message> BlankTeesQuestion(const CourseForm& form) {
    std::vector<std::string> blank, kept;
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        bool none = text::leadingNumber(form.ratings[t]) == 0 || text::leadingNumber(form.slopes[t]) == 0;
        (none ? blank : kept).push_back(std::string(store::TeeName(t)));
    }
    if (blank.empty()) return std::nullopt;
    auto list = [](const std::vector<std::string>& names) {
        std::string text = names.front();
        for (size_t i = 1; i < names.size(); ++i) text += (i + 1 == names.size() ? " and " : ", ") + names[i];
        return text;
    };
    std::string text = list(blank) + (blank.size() == 1 ? " has" : " have") + " no rating or slope; save " +
                       (kept.empty() ? "the course without them?" : list(kept) + " only?");
    return platform::Message{text, "Course Setup", platform::Buttons::YesNo, platform::Icon::Question, 2};
}

std::optional<platform::Message> TeeValueProblem(const CourseForm& form) {
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        auto rating = typedNumber(form.ratings[t], false);
        std::string problem;
        if (!rating || (*rating != 0 && (*rating < kLowestRating || *rating > kHighestRating + 1e-9))) {
            problem = "The " + std::string(store::TeeName(t)) + " rating \"" + form.ratings[t] +
                      "\" cannot be used.\r\nA rating is a number from 20.0 to 99.9 (0 for a tee without one).";
        }
        auto slope = typedNumber(form.slopes[t], true);
        if (problem.empty() && (!slope || *slope < kLowestSlope || *slope > kHighestSlope)) {
            problem = "The " + std::string(store::TeeName(t)) + " slope \"" + form.slopes[t] +
                      "\" cannot be used.\r\nA slope is a whole number from 0 to 155 (0 for a tee without one).";
        }
        if (!problem.empty()) {
            return platform::Message{problem, "Problem saving course", platform::Buttons::Ok,
                                     platform::Icon::Exclamation};
        }
    }
    return std::nullopt;
}

std::optional<platform::Message> CourseNameProblem(const store::LeagueData& data, int slot, const std::string& name) {
    std::string wanted = trimmed(name);
    std::string problem;
    if (text::CharLength(wanted) < 2) problem = "A course name needs at least 2 characters.";
    if (std::string why = text::NameProblem(wanted); !why.empty()) problem = "The course name " + why + ".";
    int count = std::min<int>(data.courseCount, store::kMaxCourses);
    for (int c = 1; c <= count && problem.empty(); ++c) {
        const std::string& other = data.courses[c][f::kName];
        if (c != slot && !other.empty() && sameName(other, wanted)) {
            problem = "There is already a course named " + trimmed(other) + ".\r\nPlease give this one another name.";
        }
    }
    if (problem.empty()) return std::nullopt;
    return platform::Message{problem, "Problem saving course", platform::Buttons::Ok, platform::Icon::Exclamation};
}

// The sums are compared as numbers: a nine whose label was never filled counts as 0 too.
std::optional<platform::Message> ProblemSaving(const CourseForm& form) {
    bool parMissing =
        text::leadingNumber(form.out) == 0 || text::leadingNumber(form.in) == 0 || text::leadingNumber(form.total) == 0;
    if (!parMissing && !form.name.empty()) return std::nullopt;
    return platform::Message{
        platform::joinLines({"Insufficient information to save", "Course data.  Please provide a name",
                             "and the par values for each hole.", "For nine hole courses, duplicate the values",
                             "of the first nine holes for holes 10 - 18"}),
        "Problem saving course", platform::Buttons::Ok, platform::Icon::Exclamation};
}

int FreeSlot(const store::LeagueData& data) {
    int count = std::min<int>(data.courseCount, store::kMaxCourses);
    for (int c = 1; c <= count; ++c) {
        if (data.courses[c][f::kName].empty()) return c;
    }
    return count < store::kMaxCourses ? count + 1 : 0;
}

platform::Message CourseTableFullMessage() {
    return {
        platform::joinLines({"The course list is full: it holds 200 courses.",
                             "Delete a course that is no longer played;", "the next course added takes its place."}),
        "Course Setup", platform::Buttons::Ok, platform::Icon::Exclamation};
}

void DeleteCourse(store::LeagueData& data, int slot) {
    if (!validSlot(slot)) return;
    for (int i = 1; i <= store::kCourseFields; ++i) data.courses[slot][i].clear();
    data.strokeIndexes[slot] = store::StrokeIndexes{};
}

platform::Message ConfirmDeleteMessage(const std::string& name) {
    return {platform::joinLines({"Are you sure you want to delete ", "the course " + name + "?", "",
                                 "Analysis functions could be corrupted", "Please see info on deleting courses", "", "",
                                 "     CONTINUE?          Select 'NO' to Exit"}),
            "Confirm Delete", platform::Buttons::YesNo, platform::Icon::Critical, 2};
}

CourseEditor::CourseEditor(store::LeagueData& data, Mode mode) : m_data(data), m_mode(mode) {
    if (m_mode == Mode::Edit && validSlot(data.currentCourse)) {
        m_slot = data.currentCourse;
    } else {
        m_mode = Mode::Add;
    }
    if (m_mode == Mode::Add) {
        int free = FreeSlot(data);
        if (free >= 1 && free <= data.courseCount) {
            m_mode = Mode::Edit;
            m_slot = free;
            data.currentCourse = static_cast<int16_t>(free);
            for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
                data.courses[free][f::kRating0 + t].clear();
                data.courses[free][f::kSlope0 + t].clear();
            }
        }
    }
    data.courseEditMode = m_mode == Mode::Edit;
}

StrokeIndexEntry StrokeIndexesTyped(const CourseForm& form) {
    StrokeIndexEntry entry;
    bool any = false;
    for (int h = 1; h <= store::kHoles; ++h) {
        any = any || !form.strokeIndexes[h].empty();
        entry.values[h] = static_cast<int16_t>(std::clamp(text::leadingNumber(form.strokeIndexes[h]), -99.0, 99.0));
    }
    if (!any) return {};
    entry.problem = store::StrokeIndexProblem(entry.values);
    return entry;
}

CourseForm CourseEditor::form() const {
    if (m_mode == Mode::Edit) {
        CourseForm form = FormFromCourse(m_data.courses[m_slot]);
        const store::StrokeIndexes& si = m_data.strokeIndexes[m_slot];
        if (store::HasStrokeIndexes(si)) {
            for (int h = 1; h <= store::kHoles; ++h) form.strokeIndexes[h] = std::to_string(si[h]);
        }
        return form;
    }
    CourseForm form;
    for (int h = 1; h <= store::kHoles; ++h) form.pars[h] = " ";
    return form;
}

SaveOutcome CourseEditor::save(const CourseForm& typed, platform::Dialogs& dialogs) {
    CourseForm form = typed;
    form.name = trimmed(typed.name);
    for (auto problem : {ProblemSaving(form), CourseNameProblem(m_data, m_slot, form.name), TeeValueProblem(form)}) {
        if (problem) {
            dialogs.message(*problem);
            return SaveOutcome::Incomplete;
        }
    }
    StrokeIndexEntry strokeIndexes = StrokeIndexesTyped(form);
    if (!strokeIndexes.problem.empty()) {
        dialogs.message({strokeIndexes.problem, "Course Setup", platform::Buttons::Ok, platform::Icon::Exclamation});
        return SaveOutcome::Incomplete;
    }
    if (auto question = BlankTeesQuestion(form); question && dialogs.message(*question) != platform::Answer::Yes) {
        return SaveOutcome::Incomplete;
    }
    if (m_slot == 0) {
        if (m_data.courseCount >= store::kMaxCourses) {
            dialogs.message(CourseTableFullMessage());
            return SaveOutcome::TableFull;
        }
        m_slot = ++m_data.courseCount;
    }
    StoreForm(form, m_data.courses[m_slot]);
    m_data.strokeIndexes[m_slot] = strokeIndexes.values;
    return store::SaveCourseFile(m_data, dialogs) ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

void CourseEditor::close() {
    m_data.courseEditMode = false;
}

}  // namespace quorval::courses
