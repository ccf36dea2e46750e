#include "dates/dateorder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "configfolder.hpp"
#include "scripteddialogs.hpp"
#include "store/settingsfile.hpp"
#include "tempdir.hpp"

using namespace quorval;
using dates::Date;
using store::DateOrder;

namespace {

constexpr DateOrder kMdy = DateOrder::kMonthDayYear;
constexpr DateOrder kDmy = DateOrder::kDayMonthYear;
constexpr DateOrder kYmd = DateOrder::kYearMonthDay;

}  // namespace

TEST(DateOrderTest, EachOrderWritesAndReadsItsOwnFormAndIsoAndRefusesDaysThatDoNotExist) {
    struct Case {
        DateOrder order;
        const char* typed;
        std::optional<Date> read;  // nothing: refused
    };
    const auto no = std::nullopt;
    // clang-format off
    const Case kCases[] = {
        {kMdy, "10/06/26", Date{10, 6, 26}}, {kDmy, "10/06/26", Date{6, 10, 26}},
        {kYmd, "10/06/26", no},  // year first takes four digits first
        {kMdy, "2026-10-06", Date{10, 6, 26}}, {kDmy, "2026-10-06", Date{10, 6, 26}},
        {kYmd, "2026.10.6", Date{10, 6, 26}}, {kDmy, "6/10/2026", Date{10, 6, 26}}, {kDmy, " 6 - 10 - 26 ", Date{10, 6, 26}},
        // the two-digit year: 85..99 are 19xx, 00..84 are 20xx; four digits only inside those years
        {kMdy, "1/2/85", Date{1, 2, 85}}, {kMdy, "1/2/84", Date{1, 2, 84}}, {kDmy, "2/1/1985", Date{1, 2, 85}},
        {kDmy, "2/1/1984", no}, {kYmd, "2085-01-02", no}, {kMdy, "1/2/026", no},
        // February 29 only in a leap year; 2000 was one
        {kMdy, "02/29/28", Date{2, 29, 28}}, {kDmy, "29/02/27", no}, {kYmd, "2000-02-29", Date{2, 29, 0}},
        {kDmy, "29/02/00", Date{2, 29, 0}},
        // impossible in the order, never moved to another day
        {kDmy, "31/02/26", no}, {kMdy, "02/31/26", no}, {kMdy, "13/01/26", no}, {kDmy, "01/13/26", no},
        {kMdy, "10/6", no}, {kMdy, "10/x/26", no}, {kYmd, "2026-100-1", no},
    };
    // clang-format on
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.typed) + " " + dates::OrderKey(c.order));
        EXPECT_EQ(dates::ParseDate(c.order, c.typed), c.read);
    }

    // What each order shows, and that it reads back as the same day.
    const std::tuple<DateOrder, std::string, std::string, std::string, std::string> kShown[] = {
        {kMdy, "10/06/26", "10/6/2026", "10-06-2026", "month/day/year"},
        {kDmy, "06/10/26", "6/10/2026", "06-10-2026", "day/month/year"},
        {kYmd, "2026-10-06", "2026-10-06", "2026-10-06", "year-month-day"},
    };
    for (const auto& [order, shortDate, field, printed, words] : kShown) {
        SCOPED_TRACE(words);
        EXPECT_EQ(dates::ShortDate(order, 10, 6, 26), shortDate);
        EXPECT_EQ(dates::FieldDate(order, 10, 6, 26), field);
        EXPECT_EQ(dates::ParseDate(order, shortDate), (Date{10, 6, 26}));
        EXPECT_EQ(dates::ParseDate(order, field), (Date{10, 6, 26}));
        EXPECT_EQ(dates::OrderOfKey(dates::OrderKey(order)), order);
        EXPECT_NE(dates::RefusedMessage(order, "31/02/26").find("Type it as " + words), std::string::npos);
    }
    EXPECT_EQ(dates::ShortDate(kDmy, 12, 31, 99), "31/12/99");
    EXPECT_EQ(dates::IsoDate(12, 31, 99), "1999-12-31");
    EXPECT_EQ(dates::RefusedMessage(kDmy, "31/02/26"),
              "\"31/02/26\" is not a date. Type it as day/month/year, for example 27/10/26.");
    EXPECT_FALSE(dates::OrderOfKey("dm"));
    EXPECT_TRUE(dates::AmbiguousDate("03/04/26"));
    EXPECT_FALSE(dates::AmbiguousDate("03/03/26"));
    EXPECT_FALSE(dates::AmbiguousDate("13/04/26"));
    EXPECT_FALSE(dates::AmbiguousDate("2026-03-04"));
}

TEST(DateOrderTest, ANewUserStartsWithTheOrderOfTheLocale) {
    const std::pair<const char*, DateOrder> kLocales[] = {
        {"", kMdy},   {"C", kMdy},           {"POSIX", kMdy},       {"C.UTF-8", kMdy},     {"en_US.UTF-8", kMdy},
        {"en", kMdy}, {"en_GB.UTF-8", kDmy}, {"en_IE", kDmy},       {"en_AU.UTF-8", kDmy}, {"de_DE@euro", kDmy},
        {"fr", kDmy}, {"sv_SE.UTF-8", kYmd}, {"ja_JP.UTF-8", kYmd}, {"es_US", kMdy},
    };
    for (const auto& [locale, order] : kLocales) {
        SCOPED_TRACE(locale);
        EXPECT_EQ(dates::OrderOfLocale(locale), order);
    }
}

// The order is a named line after the numbered values, which a program without it skips as it
// skips every name it does not know; a file written before it keeps month first.
TEST(DateOrderTest, SettingsFileKeepsTheOrderInANamedLine) {
    quorval::testing::TempWorkDir dir;
    quorval::testing::ScopedConfigHome home(dir.path() / "config");
    auto data = std::make_unique<store::LeagueData>();
    data->settings.dateOrder = kDmy;
    quorval::testing::ScriptedDialogs dialogs;
    ASSERT_TRUE(store::SaveSettingsFile(*data, dialogs));
    const std::string text = quorval::testing::readBytes(data->settings.settingsFilePath);
    EXPECT_NE(text.find("\r\nopenlast=1\r\ndateorder=dmy\r\n"), std::string::npos);

    const std::pair<std::string, DateOrder> kFiles[] = {
        {text, kDmy},
        {" 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\ndateorder=ymd\r\nview=2\r\n", kYmd},
        {" 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\nview=2\r\n", kMdy},
        {" 0 \r\n 0 \r\n 0 \r\n 1 \r\n", kMdy},
        {" 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\ndateorder=dym\r\n", kMdy},
    };
    // No file yet: a new user, who gets the order of the locale.
    std::filesystem::remove(data->settings.settingsFilePath);
    const char* old = std::getenv("LC_ALL");
    const std::string kept = old ? old : "";
    ::setenv("LC_ALL", "en_GB.UTF-8", 1);
    store::LoadSettingsFile(*data);
    EXPECT_EQ(data->settings.dateOrder, kDmy);
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    store::LoadSettingsFile(*data);
    EXPECT_EQ(data->settings.dateOrder, kMdy);
    old ? ::setenv("LC_ALL", kept.c_str(), 1) : ::unsetenv("LC_ALL");

    for (const auto& [file, order] : kFiles) {
        SCOPED_TRACE(file);
        store::Settings s;
        s.dateOrder = kDmy;
        s.listingView = 3;
        ASSERT_TRUE(store::ParseSettings(s, file));
        EXPECT_EQ(s.dateOrder, order);
        // The lines around it read as before.
        EXPECT_EQ(s.listingView, file.find("view=2") != std::string::npos ? 2 : 1);
    }
}
