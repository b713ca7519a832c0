#include "host/app/ReportFiles.h"

#include <gtest/gtest.h>

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
    ASSERT_EQ(WriteReportFiles((dir / "new/out").string(), "zhjmjs", full, brief), "");
    const fs::path out = dir / "new/out";
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

}  // namespace
}  // namespace qelt::app
