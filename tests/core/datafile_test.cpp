#include "store/datafile.hpp"

#include <gtest/gtest.h>

#include <set>

#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

// A loader that wants a number on its first line.
store::LoadResult loadNumber(const std::string& name) {
    return store::loadDataFile(name, [](store::LineReader& in) { in.int16("count"); });
}

std::set<std::string> folderContents() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.insert(entry.path().filename().string());
    return names;
}

class DataFile : public ::testing::Test {
protected:
    TempWorkDir dir;
};

}  // namespace

TEST_F(DataFile, LinesReadTheSameWhateverTheLineEndsAndEncoding) {
    const std::pair<std::string, std::vector<std::string>> kCases[] = {
        {" 2 \r\nAl\r\n\r\n", {" 2 ", "Al", ""}},
        {" 2 \nAl\n\n", {" 2 ", "Al", ""}},
        {" 2 \r\nAl", {" 2 ", "Al"}},
        {"\xEF\xBB\xBF 1 \r\nG\xC3\xBCnter\r\n", {" 1 ", "Günter"}},
        {" 1 \r\nG\xFCnter \x80\r\n", {" 1 ", "Günter €"}}};
    for (const auto& [bytes, expected] : kCases) {
        writeBytes("names.dat", bytes);
        std::vector<std::string> lines;
        store::LoadResult result = store::loadDataFile("names.dat", [&](store::LineReader& in) {
            while (!in.atEnd()) lines.emplace_back(in.line());
        });
        EXPECT_EQ(lines, expected) << bytes;
        EXPECT_TRUE(result.ok) << bytes;
    }
}

TEST_F(DataFile, ExistingFileIsFoundWhateverTheLetterCaseAndASaveReplacesItWhole) {
    writeBytes("COURSE.DAT", "a much longer old content\r\n");
    EXPECT_EQ(store::findDataFile("course.dat"), fs::path("COURSE.DAT"));
    EXPECT_EQ(store::findDataFile("COURSE.DAT"), fs::path("COURSE.DAT"));
    EXPECT_EQ(store::findDataFile("Fall.LGE"), fs::path("Fall.LGE"));  // not there yet: the name as given
    EXPECT_EQ(store::writeFileAtomically("COURSE.DAT", " 0 \r\n"), "");
    EXPECT_EQ(readBytes("COURSE.DAT"), " 0 \r\n");
    EXPECT_EQ(folderContents(), std::set<std::string>{"COURSE.DAT"});
}

TEST_F(DataFile, UnreadableFileIsKeptOnceForEachDifferentContent) {
    store::LoadResult missing = loadNumber("x.dat");  // a missing file is not copied
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.keptCopy, "");
    EXPECT_EQ(store::withCopyNote("Text", missing), "Text");

    writeBytes("x.dat", "bad\r\n");
    store::LoadResult first = loadNumber("x.dat");
    EXPECT_FALSE(first.ok);
    EXPECT_EQ(first.keptCopy, "x.dat.unreadable");
    EXPECT_EQ(store::withCopyNote("Text", first), "Text\r\nThe unreadable file was kept as \"x.dat.unreadable\".");
    // The same bytes failing again reuse the copy instead of piling up more.
    EXPECT_EQ(loadNumber("x.dat").keptCopy, "x.dat.unreadable");
    EXPECT_EQ(folderContents(), (std::set<std::string>{"x.dat", "x.dat.unreadable"}));
    // Different bytes never overwrite an earlier copy.
    writeBytes("x.dat", "worse\r\n");
    EXPECT_EQ(loadNumber("x.dat").keptCopy, "x.dat.unreadable2");
    EXPECT_EQ(readBytes("x.dat.unreadable"), "bad\r\n");
    EXPECT_EQ(readBytes("x.dat.unreadable2"), "worse\r\n");
    writeBytes("x.dat", "bad\r\n");
    EXPECT_EQ(loadNumber("x.dat").keptCopy, "x.dat.unreadable");
    EXPECT_EQ(folderContents().size(), 3u);
    // A readable file is not copied.
    writeBytes("x.dat", " 7 \r\n");
    EXPECT_TRUE(loadNumber("x.dat").ok);
    EXPECT_EQ(folderContents().size(), 3u);
}

TEST_F(DataFile, FolderInPlaceOfAFileFailsToLoadWithoutACopy) {
    fs::create_directory("Fall.LGE");
    EXPECT_EQ(store::readTextFile("Fall.LGE"), std::nullopt);
    store::LoadResult result = loadNumber("fall.lge");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.keptCopy, "");
    EXPECT_EQ(folderContents(), std::set<std::string>{"Fall.LGE"});
}
