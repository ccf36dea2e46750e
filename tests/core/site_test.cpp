#include "publish/site.hpp"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <regex>

#include "leaguebuilder.hpp"
#include "tempdir.hpp"

namespace quorval {
namespace {

namespace fs = std::filesystem;

class SiteTest : public ::testing::Test {
protected:
    SiteTest() {
        league.course("Pine Hills", "PH").player("<b>Al</b> & \"Bo\"").round("5/26/26", 42, 42, 8.0f);
        league.round("6/2/26", 39, 39, 7.8f).player("Cy").round("6/2/26", 40, 0, 12.0f).player("Newcomer");
    }

    std::map<std::string, std::string> site() {
        std::map<std::string, std::string> files;
        for (auto& file : publish::BuildSite(data)) files[file.name] = file.content;
        return files;
    }
    static bool has(const std::string& html, const std::string& part) { return html.find(part) != std::string::npos; }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    testing::LeagueBuilder league{data};
};

TEST_F(SiteTest, HasAPagePerDateAndPlayerAndTeamsOnlyWhenTheLeagueHasThem) {
    std::vector<std::string> names;
    for (auto& [name, content] : site()) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"day-2026-05-26.html", "day-2026-06-02.html", "index.html",
                                               "player-1.html", "player-2.html", "player-3.html", "style.css"}));
    league.team("Eagles & Co", {2}).points("", 2.5f).points("", 3.0f);
    auto files = site();
    for (const char* part :
         {"<td class=\"name\">Eagles &amp; Co</td>", "<td>5.5</td>", "href=\"player-2.html\">Cy</a>"})
        EXPECT_TRUE(has(files["teams.html"], part)) << part;
}

TEST_F(SiteTest, NamesShowLiterallyAndEveryLinkStaysInsideTheSite) {
    const auto files = site();
    for (const char* page : {"index.html", "player-1.html", "day-2026-06-02.html"})
        EXPECT_TRUE(has(files.at(page), "&lt;b&gt;Al&lt;/b&gt; &amp; &quot;Bo&quot;") && !has(files.at(page), "<b>Al"))
            << page;
    const std::regex reference(R"((href|src)="([^"]*)\")");
    int links = 0;
    for (const auto& [name, html] : files) {
        EXPECT_FALSE(has(html, "<script")) << name;
        for (std::sregex_iterator it(html.begin(), html.end(), reference), end; it != end; ++it, ++links) {
            const std::string target = (*it)[2].str();
            if (target.starts_with("#"))
                EXPECT_TRUE(has(html, "id=\"" + target.substr(1) + "\"")) << name << " jumps to " << target;
            else
                EXPECT_TRUE(files.count(target)) << name << " links to " << target;
        }
    }
    EXPECT_GT(links, 20);
    EXPECT_TRUE(has(files.at("day-2026-05-26.html"), "href=\"day-2026-06-02.html\""));  // the next day
    // The player's two indexes go from the chart's left edge to its right; no rounds, no chart.
    EXPECT_TRUE(has(files.at("player-1.html"), "points=\"44.0,")) << files.at("player-1.html");
    EXPECT_TRUE(has(files.at("player-1.html"), " 388.0,"));
    EXPECT_FALSE(has(files.at("player-3.html"), "<svg"));
    EXPECT_TRUE(has(files.at("index.html"), "scores up to 06/02/26"));
}

// Figures read as on paper: a plus figure with the sign the league's rules give it, "--" for an
// index nobody has, "-" for a nine not played; the index page lists the dates first and the
// players alphabetically under a letter list.
TEST_F(SiteTest, FiguresAndOrderOfThePages) {
    league.player("Bea Plus").round("5/26/26", 36, 36, -5.2f).round("6/2/26", 35, 36, -5.4f);
    const struct {
        store::HandicapRules rules;
        std::vector<std::pair<const char*, const char*>> parts;  // page, text on it
    } cases[] = {
        {store::HandicapRules::Classic,
         {{"index.html", "<td>-5.4 "}, {"player-4.html", "Index <b>-5.4</b>"}, {"day-2026-06-02.html", "<td>-5</td>"}}},
        {store::HandicapRules::WHS,
         {{"index.html", "<td>+5.4 "},
          {"player-4.html", "Index <b>+5.4</b>"},
          {"day-2026-06-02.html", "<td>+1</td>"},
          {"player-4.html", ">+7.0</text>"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rules == store::HandicapRules::WHS ? "WHS" : "Classic");
        data.options.rules = c.rules;
        const auto files = site();
        for (const auto& [page, part] : c.parts) EXPECT_TRUE(has(files.at(page), part)) << page << ": " << part;
        const std::string& index = files.at("index.html");
        EXPECT_TRUE(has(index, "player-3.html\">Newcomer</a></td><td>--</td>"));
        EXPECT_TRUE(has(files.at("player-3.html"), "Index <b>--</b>"));
        EXPECT_TRUE(has(files.at("day-2026-06-02.html"), "<td class=\"wide\">40</td><td class=\"wide\">-</td>"));
        EXPECT_LT(index.find("Results by date"), index.find("Handicap indexes"));
        EXPECT_TRUE(has(index, "<a href=\"#letter-2\">B</a><a href=\"#letter-3\">C</a>"));
        EXPECT_LT(index.find("<tr id=\"letter-2\"><td class=\"name\"><a href=\"player-4.html\">"),
                  index.find("<tr id=\"letter-3\"><td class=\"name\"><a href=\"player-2.html\">"));
        EXPECT_LT(index.find("player-2.html\">Cy"), index.find("player-3.html\">Newcomer"));
    }
}

TEST_F(SiteTest, PublishingAgainWritesTheSameBytesAndTouchesOnlyItsOwnFiles) {
    testing::TempWorkDir work;
    const fs::path folder = work.path() / "site" / "league";
    auto first = publish::PublishSite(data, folder);
    ASSERT_TRUE(first.ok) << first.problem;
    EXPECT_EQ(first.written.size(), 7u);
    auto second = publish::PublishSite(data, folder);
    EXPECT_TRUE(second.ok && second.written.empty());

    // A page that the data no longer has goes; the user's own files stay.
    testing::writeBytes(folder / "notes.html", "<p>mine</p>");
    data.players[1].roundCount = 1;
    data.players[2].roundCount = 0;
    auto third = publish::PublishSite(data, folder);
    ASSERT_TRUE(third.ok);
    EXPECT_EQ(third.removed, std::vector<std::string>{"day-2026-06-02.html"});
    EXPECT_TRUE(fs::exists(folder / "notes.html"));

    // Someone else's index.html is never replaced, and then nothing is written at all.
    testing::writeBytes(folder / "index.html", "<p>my own index</p>");
    data.players[1].roundCount = 2;
    data.players[2].roundCount = 1;
    auto refused = publish::PublishSite(data, folder);
    EXPECT_TRUE(!refused.ok && has(refused.problem, "index.html"));
    EXPECT_EQ(testing::readBytes(folder / "index.html"), "<p>my own index</p>");
    EXPECT_FALSE(fs::exists(folder / "day-2026-06-02.html"));
}

}  // namespace
}  // namespace quorval
