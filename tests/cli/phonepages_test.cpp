// The league pages on a phone: Chromium opens them 360 px wide and no page scrolls sideways.
#include <gtest/gtest.h>

#include <regex>

#include "clifolder.hpp"

namespace quorval::testing {
namespace {

// Measures every page in one Chromium run: each in a frame 360 px wide, the frame's document
// reporting its scroll width once all have loaded.
std::string wrapperPage(const std::vector<std::string>& pages) {
    std::string frames;
    for (const std::string& page : pages)
        frames += "<iframe src=\"site/" + page + "\" style=\"width:360px;height:800px;border:0\"></iframe>";
    return "<html><body style=\"margin:0\">" + frames +
           "<script>window.onload=function(){var out='';"
           "document.querySelectorAll('iframe').forEach(function(f){var d=f.contentDocument;"
           "out+=f.getAttribute('src')+' '+Math.max(d.documentElement.scrollWidth,d.body.scrollWidth)+';';});"
           "var p=document.createElement('pre');p.id='widths';p.textContent=out;document.body.appendChild(p);};"
           "</script></body></html>";
}

TEST(PhonePages, NoPageScrollsSidewaysAt360Pixels) {
    if (std::system("command -v chromium >/dev/null 2>&1") != 0) GTEST_SKIP() << "no chromium";
    TempWorkDir work;
    ASSERT_EQ(runCli("-C lg demo").exitCode, 0);
    // The longest names the league takes, a plus index and one far above 45, a nine-hole round.
    std::string csv =
        "player,date,course,tee,hole1,hole2,hole3,hole4,hole5,hole6,hole7,hole8,hole9,"
        "hole10,hole11,hole12,hole13,hole14,hole15,hole16,hole17,hole18\n";
    for (const char* date : {"2026-04-07", "2026-04-14", "2026-04-21"}) {
        csv += std::string("Bartholomew Fitzgerald-Huntington of Wessexham,") + date + ",Pine Hills,Red" +
               ",3,3,2,3,3,3,2,3,3,3,3,3,2,3,3,3,3,3\n";
        csv += std::string("Q,") + date + ",Pine Hills,2,9,9,9,9,8,9,9,9,9,9,9,9,9,8,9,9,9,9\n";
    }
    csv += "Zed Nine,2026-04-21,Pine Hills,White,5,5,5,5,5,5,5,5,5,0,0,0,0,0,0,0,0,0\n";
    writeBytes("extra.csv", csv);
    ASSERT_EQ(runCli("-C lg import \"Demo League\" extra.csv").exitCode, 0);
    ASSERT_EQ(runCli("-C lg publish \"Demo League\" site").exitCode, 0);

    std::vector<std::string> pages;
    for (const auto& entry : fs::directory_iterator("site"))
        if (entry.path().extension() == ".html") pages.push_back(entry.path().filename().string());
    std::sort(pages.begin(), pages.end());
    writeBytes("measure.html", wrapperPage(pages));
    ASSERT_EQ(std::system("chromium --headless --no-sandbox --allow-file-access-from-files "
                          "--virtual-time-budget=5000 --dump-dom \"file://$PWD/measure.html\" >dom.txt 2>/dev/null"),
              0);
    const std::string dom = readBytes("dom.txt");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(dom, found, std::regex("<pre id=\"widths\">([^<]*)</pre>"))) << dom.substr(0, 400);
    const std::string widths = found[1];
    size_t measured = 0;
    const std::regex entry("site/(\\S+) (\\d+);");
    for (std::sregex_iterator it(widths.begin(), widths.end(), entry), end; it != end; ++it, ++measured)
        EXPECT_LE(std::stoi((*it)[2].str()), 360) << (*it)[1];
    EXPECT_EQ(measured, pages.size());
}

}  // namespace
}  // namespace quorval::testing
