#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.hpp"
#include "store/datafile.hpp"
#include "store/filecommit.hpp"
#include "store/leaguedata.hpp"

// The round record beside the league file ("Fall.hix"): one line per score, tab separated,
//   player  name  slot  date  course  tee  holes  gross  differential  index  course-handicap
//   unreduced-differential  own-reduction  adjusted-holes  holes-as-played
// slot is the round's slot in the league file (1..20), or 0 for a score kept in the record only;
// date is YYYY-MM-DD; index is "-" when the score issued none; hole lists are 20 numbers (holes
// 1..18, then the nine totals) separated by blanks, "-" for scores as played that are not known.
// A Classic league's record holds only its stored rounds, for their tee and scores as played; the
// league file's own figures always win over the copies here.
namespace quorval::store {

struct RecordLine {
    int line = 0;  // in the file
    int player = 0;
    std::string name;
    int slot = 0;
    RoundRecord round;  // month, day, two-digit year, course, figures, scores, tee
};

// Reads the record's text; throws nothing, reports the first problem.
LoadResult ParseRoundRecord(std::vector<RecordLine>& lines, std::string_view text);
std::string FormatRoundRecord(const LeagueData& data);

// Puts what the lines hold into the league read from the league file: the tee and scores as
// played of stored rounds whose date, course and scores agree, and the older scores of World
// Handicap System leagues. Returns the lines that do not belong to the league as it is read,
// one text each.
std::vector<std::string> ApplyRoundRecord(LeagueData& data, const std::vector<RecordLine>& lines);

// Reads data.leagueFileName's record after the league file was read. Without a file the record
// starts from the stored rounds (World Handicap System leagues note where it starts); an
// unreadable one is kept aside and shown.
LoadResult LoadRoundRecord(LeagueData& data, platform::Dialogs& dialogs);

// The record's new text beside the league file, for the save that writes the league file with it;
// nothing while the league has never kept a tee or a score as played and has no record yet.
std::optional<FileWrite> RoundRecordWrite(const LeagueData& data);

// What other parts of the program ask of a stored round (slot 1..roundCount): the 18 hole scores
// as played, empty when not known. The tee played is `PlayerRecord::teePlayed`.
std::vector<int> HoleScoresAsPlayed(const LeagueData& data, int player, int slot);

}  // namespace quorval::store
