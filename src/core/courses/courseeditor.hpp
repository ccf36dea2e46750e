#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// What the course window does to the course table: the texts it shows and stores, the slot a
// course goes into, the check before a save, and deleting a course.
namespace quorval::courses {

// Where the arrows start on a tee left blank.
inline constexpr const char* kNewRating = "65.0";
inline constexpr const char* kNewSlope = "113";

// The course window's texts, as its controls hold them. Holes and tees count from 1.
struct CourseForm {
    std::string name;
    std::string out = "0";
    std::string in = "0";
    std::string total;
    std::array<std::string, 19> pars{};
    std::array<std::string, 4> ratings{};  // empty: the tee has none, nothing is made up
    std::array<std::string, 4> slopes{};
    std::string initials;
    std::array<std::string, 19> strokeIndexes{};  // all empty: the course has none
};

// The stroke indexes typed in the form; nothing when every box is empty. The message names the
// missing and repeated numbers when they are not each of 1..18 once.
struct StrokeIndexEntry {
    store::StrokeIndexes values{};
    std::string problem;
};
StrokeIndexEntry StrokeIndexesTyped(const CourseForm& form);

// The texts of a stored course, field by field (par boxes tidy themselves when they are filled).
CourseForm FormFromCourse(const store::CourseRecord& course);

// Writes fields 1 to 29; field 30 keeps what the slot held.
void StoreForm(const CourseForm& form, store::CourseRecord& course);

// A par box never stands empty and always starts with a blank, so that it holds one digit.
std::string ParBoxText(std::string_view text);

// The par of the nine starting at `firstHole` (1 or 10), in plain digits.
std::string NinePar(const std::array<std::string, 19>& pars, int firstHole);

// The total par, with a leading blank when it is not negative.
std::string TotalPar(std::string_view out, std::string_view in);

// A rating or slope as the course file holds it: the caption's number in its shortest form, with
// a leading blank when it is not negative (71.3 as " 71.3", 65.0 as " 65").
std::string StoredNumber(std::string_view caption);

// The values a tee's rating and slope may take, typed or spun. A rating or slope of 0 (or an empty
// box) is a tee without one.
inline constexpr double kLowestRating = 20.0;
inline constexpr double kHighestRating = 99.9;
inline constexpr int kLowestSlope = 0;
inline constexpr int kHighestSlope = 155;

// One click of a rating spin: 0.1 up or down as "00.0", never leaving the rating's limits.
std::string StepRating(std::string_view caption, int step);

// One click of a slope spin: 1 up or down, never leaving the slope's limits.
std::string StepSlope(std::string_view caption, int step);

// The refusal for a typed rating or slope that is no number or lies outside its limits.
std::optional<platform::Message> TeeValueProblem(const CourseForm& form);

// The question before saving a course with tees that have no rating or slope ("Red and Blue
// have no rating or slope; save White only?"); nothing when every tee has both.
std::optional<platform::Message> BlankTeesQuestion(const CourseForm& form);

// The warning for a course without a name or with a nine whose par is 0.
std::optional<platform::Message> ProblemSaving(const CourseForm& form);

// Where a new course goes: the first blank (deleted) slot, else the slot after the last one;
// 0 when all slots are taken.
int FreeSlot(const store::LeagueData& data);

platform::Message CourseTableFullMessage();

// Empties the course's 30 fields. The slot stays, so rounds played there keep their course number
// and the course count does not change; the next course added takes the slot.
void DeleteCourse(store::LeagueData& data, int slot);

platform::Message ConfirmDeleteMessage(const std::string& name);

// The refusal for a name that is too short or that another course (in `data`, other than `slot`)
// already has, letter case and surrounding blanks aside.
std::optional<platform::Message> CourseNameProblem(const store::LeagueData& data, int slot, const std::string& name);

enum class SaveOutcome { Incomplete, TableFull, Saved, WriteFailed };

// The course window's working state: which slot it writes and whether that slot already exists.
class CourseEditor {
public:
    enum class Mode { Add, Edit };

    // Edit works on the current course. Add takes the first blank slot when there is one: that
    // slot becomes the current course and is edited with new ratings and slopes; otherwise the
    // course gets a slot after the last one when it is first saved.
    CourseEditor(store::LeagueData& data, Mode mode);

    Mode mode() const { return m_mode; }
    // The slot written, 0 for an added course before its first save.
    int slot() const { return m_slot; }
    // What the window shows when it opens.
    CourseForm form() const;

    // Checks the form, stores it (the name without surrounding blanks) and writes the course file;
    // problems are shown through `dialogs`.
    // A write that failed keeps the slot, so that trying again stores into the same one.
    SaveOutcome save(const CourseForm& form, platform::Dialogs& dialogs);

    // The window is gone: the course file's load message no longer speaks of editing.
    void close();

private:
    store::LeagueData& m_data;
    Mode m_mode;
    int m_slot = 0;
};

}  // namespace quorval::courses
