#include "host/app/ReportFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/WordObject.h"
#include "mfc/Afx.h"
#include "mfc/gdi/GdiApi.h"

namespace qelt::app {
namespace {
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(ReportFilesTest, WritesBothReportsAndTheirPicturesNumberedInOrder) {
    std::string pattern = (fs::temp_directory_path() / "qelt-files-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    const fs::path dir = pattern;

    HBITMAP small = CreateBitmap(4, 3, 1, 32, nullptr);
    HBITMAP large = CreateBitmap(8, 5, 1, 32, nullptr);
    CWordObject full, brief;
    full.WriteTitleInfo("标题");
    full.WritePhotograph(small, 1, 0);
    full.WriteText("f~max~\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    full.WritePhotograph(large, 1, 0);
    brief.WriteTitleInfo("简要");
    DeleteObject(small);
    DeleteObject(large);

    ASSERT_EQ(MakeOutputFolder((dir / "new/out").string()), "");
    const fs::path out = dir / "new/out";
    {
        OutputFiles files;
        ASSERT_EQ(StageReportFiles(files, out.string(), "zhjmjs", full, brief), "");
        EXPECT_FALSE(fs::exists(out / "zhjmjs-full.rtf")) << "nothing is in place before the commit";
        ASSERT_EQ(files.Commit((dir / "commit").string()), "");
    }
    EXPECT_EQ(ReadFile(out / "zhjmjs-full-1.png"), std::string(full.GetRow(1)->GetPng().begin(), full.GetRow(1)->GetPng().end()));
    EXPECT_EQ(ReadFile(out / "zhjmjs-full-2.png"), std::string(full.GetRow(3)->GetPng().begin(), full.GetRow(3)->GetPng().end()));
    EXPECT_FALSE(fs::exists(out / "zhjmjs-full-3.png"));
    EXPECT_FALSE(fs::exists(out / "zhjmjs-short-1.png"));
    EXPECT_NE(ReadFile(out / "zhjmjs-full.txt").find(u8"标题"), std::string::npos);
    EXPECT_NE(ReadFile(out / "zhjmjs-short.txt").find(u8"简要"), std::string::npos);
    EXPECT_EQ(ReadFile(out / "zhjmjs-short.rtf").rfind("{\\rtf1", 0), 0u);

    // A folder that cannot be made: a file stands in its way.
    std::ofstream(dir / "file") << "x";
    EXPECT_NE(MakeOutputFolder((dir / "file/out").string()).find("cannot make the output folder"), std::string::npos);
    fs::remove_all(dir);
}

// The files of a run go into place together or not at all, and pictures of an earlier run of the
// command that this run did not write again are removed (another command's are not).
TEST(ReportFilesTest, OutputsGoInPlaceTogetherAndEarlierPicturesGo) {
    std::string pattern = (fs::temp_directory_path() / "qelt-files-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    const fs::path dir = pattern;
    for (const char* name : {"lxljs-full.txt", "lxljs-full-1.png", "lxljs-full-5.png", "lxljs-short-2.png",
                             "lxljs-full-x.png", "lxljs1-full-3.png", "zhjmjs-full-1.png"})
        std::ofstream(dir / name) << "earlier";
    CWordObject full, brief;
    full.WriteTitleInfo("标题");
    {
        OutputFiles files;
        ASSERT_EQ(StageReportFiles(files, dir.string(), "lxljs", full, brief), "");
        ASSERT_EQ(files.Commit((dir / "commit").string()), "");
        RemoveEarlierPictures(dir.string(), "lxljs", files);
    }
    EXPECT_NE(ReadFile(dir / "lxljs-full.txt"), "earlier");
    for (const char* gone : {"lxljs-full-1.png", "lxljs-full-5.png", "lxljs-short-2.png"}) EXPECT_FALSE(fs::exists(dir / gone)) << gone;
    for (const char* kept : {"lxljs-full-x.png", "lxljs1-full-3.png", "zhjmjs-full-1.png"}) EXPECT_TRUE(fs::exists(dir / kept)) << kept;

    // A folder in the place of a report: nothing of the run reaches the folder.
    fs::create_directory(dir / "zhjmjs-short.txt");
    std::ofstream(dir / "zhjmjs-full.rtf") << "earlier";
    {
        OutputFiles files;
        ASSERT_EQ(StageReportFiles(files, dir.string(), "zhjmjs", full, brief), "");
        EXPECT_NE(files.Commit((dir / "commit").string()).find("zhjmjs-short.txt"), std::string::npos);
    }
    EXPECT_EQ(ReadFile(dir / "zhjmjs-full.rtf"), "earlier");
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename().string().find(".qelt-"), std::string::npos) << entry.path();
    // A file that cannot be staged at all: its folder is missing.
    {
        OutputFiles files;
        EXPECT_NE(files.Stage((dir / "missing/a.txt").string(), "x").find("cannot write"), std::string::npos);
    }
    fs::remove_all(dir);
}

// Temporary files that a killed run left are removed by the next run staging into the folder; one
// that a run still holds (locked) is kept.
TEST(ReportFilesTest, LeftoverTemporaryFilesOfKilledRunsAreRemoved) {
    std::string pattern = (fs::temp_directory_path() / "qelt-files-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    const fs::path dir = pattern;
    for (const char* name : {".a.rtf.qelt-AAAAAA", ".b.rtf.qelt-BBBBBB", ".c.rtf.qelt-", "d.rtf.qelt-DDDDDD"})
        std::ofstream(dir / name) << "left";
    const int held = open((dir / ".b.rtf.qelt-BBBBBB").c_str(), O_RDONLY);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    {
        OutputFiles files;
        ASSERT_EQ(files.Stage((dir / "x.txt").string(), "x"), "");
    }
    close(held);
    EXPECT_FALSE(fs::exists(dir / ".a.rtf.qelt-AAAAAA"));
    for (const char* kept : {".b.rtf.qelt-BBBBBB", ".c.rtf.qelt-", "d.rtf.qelt-DDDDDD"}) EXPECT_TRUE(fs::exists(dir / kept)) << kept;
    EXPECT_FALSE(fs::exists(dir / "x.txt")) << "staged and not committed";
    fs::remove_all(dir);
}

}  // namespace
}  // namespace qelt::app
