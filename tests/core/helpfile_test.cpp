#include "help/helpfile.hpp"

#include <gtest/gtest.h>

using namespace quorval;

namespace {

const std::string kSample =
    "# A comment before the first topic.\r\n@topic Contents\r\n@keywords overview; index\r\n@title Help Contents\r\n"
    "Start with [[Entering Scores]].\r\n\r\n@topic Entering Scores\r\n@keywords scores;  rounds ;; Entering\r\n"
    "First paragraph,\r\n  still the first.\r\n\r\n- one bullet\r\n  continued\r\n"
    "- see [[Contents|the contents]] & <more>\r\n\r\nAfter the list.\r\n\r\n\r\n"
    "@topic Edit a Round\r\n@keywords scores, fixing\r\n";

}  // namespace

TEST(HelpFile, ParsesTopicsKeywordsAndBodiesAndFindsTopicsByTheirExactKey) {
    help::HelpFile file = help::ParseHelpFile(kSample);
    ASSERT_EQ(file.topics.size(), 3u);
    const help::Topic &contents = file.topics[0], &scores = file.topics[1];
    EXPECT_EQ(contents.key, "Contents");
    EXPECT_EQ(contents.title, "Help Contents");
    EXPECT_EQ(contents.keywords, (std::vector<std::string>{"Contents", "overview", "index"}));
    EXPECT_EQ(contents.body, "Start with [[Entering Scores]].");
    EXPECT_EQ(scores.title, "Entering Scores");  // no @title: the key
    EXPECT_EQ(scores.keywords, (std::vector<std::string>{"Entering Scores", "scores", "rounds", "Entering"}));
    EXPECT_EQ(file.topics[2].keywords, (std::vector<std::string>{"Edit a Round", "scores, fixing"}));

    EXPECT_EQ(file.find("Edit a Round"), &file.topics[2]);
    EXPECT_EQ(file.find("overview"), nullptr);  // a keyword is no key
}

TEST(HelpFile, SearchMatchesKeywordPrefixesOncePerTopicInFileOrder) {
    help::HelpFile file = help::ParseHelpFile(kSample);
    const std::pair<const char*, std::vector<std::string>> kCases[] = {
        {"", {"Contents", "Entering Scores", "Edit a Round"}},
        {"SCO", {"Entering Scores", "Edit a Round"}},
        {"ent", {"Entering Scores"}},  // two keywords, one topic
        {"scores,", {"Edit a Round"}},
        {"golf", {}}};
    for (const auto& [prefix, keys] : kCases) {
        std::vector<std::string> found;
        for (const help::Topic* t : file.search(prefix)) found.push_back(t->key);
        EXPECT_EQ(found, keys) << prefix;
    }
    file = help::ParseHelpFile(kSample + "@topic Team data\n@keywords index; TEAM DATA\n");
    EXPECT_EQ(file.allKeywords(),
              (std::vector<std::string>{"Contents", "Edit a Round", "Entering", "Entering Scores", "index", "overview",
                                        "rounds", "scores", "scores, fixing", "Team data"}));
    EXPECT_EQ(file.keywordsStartingWith(" ENT "), (std::vector<std::string>{"Entering", "Entering Scores"}));
}

TEST(HelpFile, BodyBecomesParagraphsListsAndLinks) {
    help::HelpFile file = help::ParseHelpFile(kSample);
    EXPECT_EQ(help::BodyToHtml(file.topics[1]),
              "<h2>Entering Scores</h2>\n<p>First paragraph, still the first.</p>\n<ul>\n"
              "<li>one bullet continued</li>\n"
              "<li>see <a href=\"topic:Contents\">the contents</a> &amp; &lt;more&gt;</li>\n</ul>\n"
              "<p>After the list.</p>\n");
    EXPECT_EQ(help::BodyToHtml(file.topics[0]),
              "<h2>Help Contents</h2>\n<p>Start with <a href=\"topic:Entering Scores\">Entering Scores</a>.</p>\n");
}
