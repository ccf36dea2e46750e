#include "store/datafile.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using quorval::testing::readBytes;
using quorval::testing::TempWorkDir;
using quorval::testing::writeBytes;

namespace {

// Reads every line of a data file, as the loaders see them.
std::vector<std::string> loadLines(const std::string& name, store::LoadResult* result = nullptr) {
    std::vector<std::string> lines;
    store::LoadResult r = store::loadDataFile(name, [&](store::LineReader& in) {
        while (!in.atEnd()) lines.emplace_back(in.line());
    });
    if (result) *result = r;
    return lines;
}

// A loader that wants a number on its first line.
store::LoadResult loadNumber(const std::string& name) {
    return store::loadDataFile(name, [](store::LineReader& in) { in.int16("count"); });
}

std::vector<std::string> folderContents() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

struct Decoding {
    const char* what;
    std::string bytes;
    std::vector<std::string> lines;
};

class DataFileDecoding : public ::testing::TestWithParam<Decoding> {};

TEST_P(DataFileDecoding, LinesReadTheSameWhateverTheLineEndsAndEncoding) {
    TempWorkDir dir;
    writeBytes("names.dat", GetParam().bytes);
    store::LoadResult result;
    EXPECT_EQ(loadLines("names.dat", &result), GetParam().lines);
    EXPECT_TRUE(result.ok);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DataFileDecoding,
    ::testing::Values(Decoding{"CrLf", " 2 \r\nAl\r\n\r\n", {" 2 ", "Al", ""}},
                      Decoding{"LfOnly", " 2 \nAl\n\n", {" 2 ", "Al", ""}},
                      Decoding{"NoLastLineEnd", " 2 \r\nAl", {" 2 ", "Al"}},
                      Decoding{"Utf8WithByteOrderMark", "\xEF\xBB\xBF 1 \r\nG\xC3\xBCnter\r\n", {" 1 ", "Günter"}},
                      Decoding{"Windows1252", " 1 \r\nG\xFCnter \x80\r\n", {" 1 ", "Günter €"}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(DataFile, ExistingFileIsFoundWhateverTheLetterCase) {
    TempWorkDir dir;
    writeBytes("COURSE.DAT", "x");
    EXPECT_EQ(store::findDataFile("course.dat"), fs::path("COURSE.DAT"));
    EXPECT_EQ(store::findDataFile("COURSE.DAT"), fs::path("COURSE.DAT"));
    // A file that does not exist yet gets the name as given.
    EXPECT_EQ(store::findDataFile("Fall.LGE"), fs::path("Fall.LGE"));
}

TEST(DataFile, SaveReplacesTheWholeFileAndLeavesNothingBeside) {
    TempWorkDir dir;
    writeBytes("Fall.tea", "a much longer old content\r\n");
    EXPECT_EQ(store::writeFileAtomically("Fall.tea", " 0 \r\n"), "");
    EXPECT_EQ(readBytes("Fall.tea"), " 0 \r\n");
    EXPECT_EQ(folderContents(), std::vector<std::string>{"Fall.tea"});
}

TEST(DataFile, UnreadableFileIsKeptOnceForEachDifferentContent) {
    TempWorkDir dir;
    writeBytes("x.dat", "bad\r\n");
    store::LoadResult first = loadNumber("x.dat");
    EXPECT_FALSE(first.ok);
    EXPECT_EQ(first.keptCopy, "x.dat.unreadable");
    EXPECT_EQ(store::withCopyNote("Text", first), "Text\r\nThe unreadable file was kept as \"x.dat.unreadable\".");

    // The same bytes failing again reuse the copy instead of piling up more.
    EXPECT_EQ(loadNumber("x.dat").keptCopy, "x.dat.unreadable");
    EXPECT_EQ(folderContents(), (std::vector<std::string>{"x.dat", "x.dat.unreadable"}));

    // Different bytes never overwrite an earlier copy.
    writeBytes("x.dat", "worse\r\n");
    EXPECT_EQ(loadNumber("x.dat").keptCopy, "x.dat.unreadable2");
    EXPECT_EQ(readBytes("x.dat.unreadable"), "bad\r\n");
    EXPECT_EQ(readBytes("x.dat.unreadable2"), "worse\r\n");

    writeBytes("x.dat", "bad\r\n");
    EXPECT_EQ(loadNumber("x.dat").keptCopy, "x.dat.unreadable");
    EXPECT_EQ(folderContents().size(), 3u);
}

TEST(DataFile, MissingOrReadableFilesAreNotCopied) {
    TempWorkDir dir;
    store::LoadResult missing = loadNumber("x.dat");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.keptCopy, "");
    EXPECT_EQ(store::withCopyNote("Text", missing), "Text");

    writeBytes("x.dat", " 7 \r\n");
    EXPECT_TRUE(loadNumber("x.dat").ok);
    EXPECT_EQ(folderContents(), std::vector<std::string>{"x.dat"});
}

TEST(DataFile, FolderInPlaceOfAFileFailsToLoadWithoutACopy) {
    TempWorkDir dir;
    fs::create_directory("Fall.LGE");
    EXPECT_EQ(store::readTextFile("Fall.LGE"), std::nullopt);
    store::LoadResult result = loadNumber("fall.lge");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.keptCopy, "");
    EXPECT_EQ(folderContents(), std::vector<std::string>{"Fall.LGE"});
}
