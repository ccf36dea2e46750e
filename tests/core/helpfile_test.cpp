#include "help/helpfile.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tempdir.hpp"
#include "text/encoding.hpp"

namespace fs = std::filesystem;
using namespace quorval;

namespace {

const char* const kSample =
    "# A comment before the first topic.\r\n"
    "@topic Contents\r\n"
    "@keywords overview; index\r\n"
    "@title Help Contents\r\n"
    "Start with [[Entering Scores]].\r\n"
    "\r\n"
    "@topic Entering Scores\r\n"
    "@keywords scores;  rounds ;; Entering\r\n"
    "First paragraph,\r\n"
    "  still the first.\r\n"
    "\r\n"
    "- one bullet\r\n"
    "  continued\r\n"
    "- see [[Contents|the contents]] & <more>\r\n"
    "\r\n"
    "After the list.\r\n"
    "\r\n"
    "\r\n"
    "@topic Edit a Round\r\n"
    "@keywords scores, fixing\r\n";

std::vector<std::string> keys(const std::vector<const help::Topic*>& topics) {
    std::vector<std::string> out;
    for (const help::Topic* t : topics) out.push_back(t->key);
    return out;
}

// Every [[Key]] or [[Key|text]] of a body, by key.
std::vector<std::string> links(const std::string& body) {
    std::vector<std::string> out;
    for (size_t open = body.find("[["); open != std::string::npos; open = body.find("[[", open + 2)) {
        size_t close = body.find("]]", open);
        if (close == std::string::npos) break;
        std::string link = body.substr(open + 2, close - open - 2);
        out.push_back(link.substr(0, link.find('|')));
    }
    return out;
}

}  // namespace

TEST(HelpFile, ParsesTopicsKeywordsAndBodies) {
    help::HelpFile file = help::ParseHelpFile(kSample);
    ASSERT_EQ(file.topics.size(), 3u);

    const help::Topic& contents = file.topics[0];
    EXPECT_EQ(contents.key, "Contents");
    EXPECT_EQ(contents.title, "Help Contents");
    EXPECT_EQ(contents.keywords, (std::vector<std::string>{"Contents", "overview", "index"}));
    EXPECT_EQ(contents.body, "Start with [[Entering Scores]].");

    const help::Topic& scores = file.topics[1];
    EXPECT_EQ(scores.title, "Entering Scores");  // no @title: the key
    EXPECT_EQ(scores.keywords, (std::vector<std::string>{"Entering Scores", "scores", "rounds", "Entering"}));
    EXPECT_EQ(scores.body.find('\r'), std::string::npos);
    EXPECT_EQ(scores.body.substr(0, 17), "First paragraph,\n");
    EXPECT_EQ(scores.body.substr(scores.body.size() - 15), "After the list.");

    EXPECT_EQ(file.topics[2].keywords, (std::vector<std::string>{"Edit a Round", "scores, fixing"}));
    EXPECT_EQ(file.topics[2].body, "");
}

TEST(HelpFile, FindsTopicsByTheirExactKey) {
    help::HelpFile file = help::ParseHelpFile(kSample);
    EXPECT_EQ(file.find("Edit a Round"), &file.topics[2]);
    EXPECT_EQ(file.find("overview"), nullptr);  // a keyword is no key
    EXPECT_EQ(file.find("Edit a"), nullptr);
    EXPECT_EQ(help::ParseHelpFile("no topics here\n").topics.size(), 0u);
}

struct SearchCase {
    const char* prefix;
    std::vector<std::string> keys;
};

class HelpSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(HelpSearch, MatchesKeywordPrefixesOncePerTopicInFileOrder) {
    help::HelpFile file = help::ParseHelpFile(kSample);
    EXPECT_EQ(keys(file.search(GetParam().prefix)), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(HelpPrefixes, HelpSearch,
                         ::testing::Values(SearchCase{"", {"Contents", "Entering Scores", "Edit a Round"}},
                                           SearchCase{"SCO", {"Entering Scores", "Edit a Round"}},
                                           SearchCase{"ent", {"Entering Scores"}},  // two keywords, one topic
                                           SearchCase{"in", {"Contents"}}, SearchCase{"scores,", {"Edit a Round"}},
                                           SearchCase{"golf", {}}));

TEST(HelpFile, KeywordListIsSortedIgnoringCaseWithoutRepeats) {
    help::HelpFile file = help::ParseHelpFile(kSample + std::string("@topic Team data\n@keywords index; TEAM DATA\n"));
    EXPECT_EQ(file.allKeywords(),
              (std::vector<std::string>{"Contents", "Edit a Round", "Entering", "Entering Scores", "index", "overview",
                                        "rounds", "scores", "scores, fixing", "Team data"}));
}

TEST(HelpFile, BodyBecomesParagraphsListsAndLinks) {
    help::HelpFile file = help::ParseHelpFile(kSample);
    EXPECT_EQ(help::BodyToHtml(file.topics[1]),
              "<h2>Entering Scores</h2>\n"
              "<p>First paragraph, still the first.</p>\n"
              "<ul>\n"
              "<li>one bullet continued</li>\n"
              "<li>see <a href=\"topic:Contents\">the contents</a> &amp; &lt;more&gt;</li>\n"
              "</ul>\n"
              "<p>After the list.</p>\n");
    EXPECT_EQ(help::BodyToHtml(file.topics[0]),
              "<h2>Help Contents</h2>\n<p>Start with <a href=\"topic:Entering Scores\">Entering Scores</a>.</p>\n");
}

// The help file the program ships, found beside the sources.
class HelpShipped : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fs::path file = QUORVAL_HELP_FILE;
        ASSERT_TRUE(fs::is_regular_file(file)) << file;
        s_file = help::ParseHelpFile(text::decodeToUtf8(quorval::testing::readBytes(file)));
    }
    static help::HelpFile s_file;
};

help::HelpFile HelpShipped::s_file;

class HelpShippedTopic : public HelpShipped, public ::testing::WithParamInterface<const char*> {};

TEST_P(HelpShippedTopic, HasTheTopicAWindowOpens) {
    const help::Topic* topic = s_file.find(GetParam());
    ASSERT_NE(topic, nullptr) << GetParam();
    EXPECT_FALSE(topic->body.empty());
}

INSTANTIATE_TEST_SUITE_P(HelpKeys, HelpShippedTopic,
                         ::testing::Values("Contents", "Quick Start Basics", "Program Purpose & Intent",
                                           "Creating League Files", "Fonts", "Nine Hole Rounds", "Entering Scores",
                                           "Edit a Round", "Courses - Adding or Editing", "Course Handicaps", "Players",
                                           "Team data", "Results of a Day", "Scorecards"));

TEST_F(HelpShipped, EveryLinkLeadsToATopicAndKeysAreUnique) {
    ASSERT_FALSE(s_file.topics.empty());
    for (const help::Topic& topic : s_file.topics) {
        EXPECT_EQ(s_file.find(topic.key), &topic) << "key used twice: " << topic.key;
        for (const std::string& key : links(topic.body)) {
            EXPECT_NE(s_file.find(key), nullptr) << topic.key << " links to " << key;
        }
    }
}
