#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/leaguedata.hpp"
#include "store/schedulefile.hpp"

// The league's pages for the players: a small static site of plain HTML and one style sheet that
// any browser opens from a folder or a web space, on a phone or a desktop. No script, nothing
// loaded from elsewhere, links relative. The same data always gives the same bytes.
namespace quorval::publish {

struct SiteFile {
    std::string name;  // relative to the site's folder
    std::string content;
};

// Every page of the site: index.html, style.css, a page per date played and per player, and
// teams.html when the league has teams, schedule.html and a page per scheduled date when it has a
// season schedule. Load the team file first for the teams page and the schedule's sides.
std::vector<SiteFile> BuildSite(const store::LeagueData& data, const store::Schedule& schedule = {});

// Text as HTML shows it literally.
std::string HtmlEscape(const std::string& text);

// True for a file an earlier publish wrote (it carries the site's mark near its top).
bool WrittenByQuorval(const std::string& content);

struct PublishResult {
    bool ok = false;
    std::string problem;               // why nothing was written
    std::vector<std::string> written;  // files whose content changed or that are new
    std::vector<std::string> removed;  // pages of an earlier publish the data no longer has
};

// Writes the site into the folder, making it when missing. The league's schedule file is read for
// the schedule pages; one that does not read leaves them out. Only files that Quorval wrote there
// are replaced or removed: when a file of the same name is someone else's, nothing is written.
PublishResult PublishSite(const store::LeagueData& data, const std::filesystem::path& folder);

}  // namespace quorval::publish
