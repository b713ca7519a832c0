#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Compiler.h"

namespace {

// A scratch folder with the files of one case.
class Folder {
public:
    Folder() {
        char pattern[] = "/tmp/qelt_rc_test_XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~Folder() { std::system(("rm -rf " + m_path).c_str()); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream(m_path + "/" + name, std::ios::binary) << content;
        return m_path + "/" + name;
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

const char* const kHeader = "#define IDD_PAGE 100\n#define IDC_VALUE 101\n#define IDC_KIND 102\n";

// Each malformed script is refused with its file, its line and what is wrong.
TEST(ResourceCompiler, MalformedScriptsNameFileAndLine) {
    struct Case {
        const char* script;
        const char* error;  // after "<folder>/"
    } cases[] = {
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nCAPTION \"abc\nBEGIN\nEND\n", "t.rc:3: error: string is not closed"},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\n    BOGUS 1, 2\nEND\n", "t.rc:4: error: unknown control statement BOGUS"},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\n    EDITTEXT IDC_MISSING, 1, 2, 3, 4\nEND\n",
         "t.rc:4: error: undefined symbol IDC_MISSING"},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\n    EDITTEXT IDC_VALUE 1, 2, 3, 4\nEND\n",
         "t.rc:4: error: expected ',' before the control's x, found 1"},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\n    EDITTEXT IDC_VALUE, 1, 2, 3, 4\n",
         "t.rc:4: error: expected a control statement or END before the end of the file"},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\n    LTEXT \"a\", -1, 1, 2, 3, 4x\nEND\n",
         "t.rc:4: error: malformed number \"4x\""},
        {"1 VERSIONINFO\nBEGIN\nEND\n", "t.rc:2: error: unsupported resource type VERSIONINFO"},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\nIDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n",
         "t.rc:5: error: dialog 100 is defined twice (first at "},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\n    EDITTEXT IDC_VALUE, 1, 2, 3, 4\nEND\n"
         "IDD_PAGE DLGINIT\nBEGIN\n    IDC_VALUE, \"x\"\nEND\n",
         "t.rc:8: error: control 101 is a Edit, not a combo or list box"},
        {"IDD_PAGE DLGINIT\nBEGIN\n    IDC_KIND, \"x\"\nEND\n", "t.rc:4: error: list entries for dialog 100, which is not defined"},
        {"STRINGTABLE\nBEGIN\n    1 \"a\"\n    1 \"b\"\nEND\n", "t.rc:5: error: string 1 is defined twice"},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nCAPTION \"\xF0\x9F\x98\x80\"\nBEGIN\nEND\n", "t.rc:3: error: text \""},
        {"1 BITMAP \"missing.png\"\n", "t.rc:2: error: cannot read"},
        {"#include \"nothere.h\"\n", "t.rc:2: error: cannot read"},
        {"#include \"bad.h\"\n", "bad.h:2: error: unsupported directive #if"},
        {"#endif\n", "t.rc:2: error: #endif without #if"},
        {"IDD_PAGE DIALOGEX 0, 0, 10, 10\nBEGIN\n    CONTROL \"\", IDC_VALUE, \"Button\", BS_NOTHING, 1, 2, 3, 4\nEND\n",
         "t.rc:4: error: undefined symbol BS_NOTHING"},
    };
    for (const Case& c : cases) {
        Folder folder;
        folder.Write("ids.h", kHeader);
        folder.Write("bad.h", "#define OK 1\n#if OK\n#endif\n");
        const std::string script = folder.Write("t.rc", std::string("#include \"ids.h\"\n") + c.script);
        qelt::rc::Result result = qelt::rc::Compile({script}, {});
        EXPECT_FALSE(result.ok) << c.script;
        EXPECT_EQ(result.error.find(folder.Path() + "/" + c.error), 0u) << result.error;
        EXPECT_TRUE(result.source.empty());
    }
}

TEST(ResourceCompiler, ReadsStylesTextsAndFiles) {
    Folder folder;
    folder.Write("ids.h", kHeader);
    folder.Write("pic.png", std::string("\x89PNG\0\x01", 6));
    // Scripts are UTF-8 (a plain literal here would be GBK).
    const std::string script = folder.Write("t.rc",
        u8"#include \"ids.h\"\n"
        "IDD_PAGE DIALOGEX 0, 0, 100, 50\n"
        "STYLE WS_CHILD | DS_SETFONT\n"
        "FONT 9, \"宋体\"\n"
        "BEGIN\n"
        "    COMBOBOX IDC_KIND, 1, 2, 3, 4, CBS_DROPDOWN | NOT WS_TABSTOP\n"
        "    CONTROL 7, IDC_VALUE, \"Static\", SS_BITMAP, 1, 2, 3, 4\n"
        "END\n"
        "IDD_PAGE DLGINIT\nBEGIN\n    IDC_KIND, \"矩形\"\nEND\n"
        "7 BITMAP \"pic.png\"\n"
        "200 MENU\nBEGIN\n    POPUP \"编辑\"\n    BEGIN\n        MENUITEM \"插入节点\", 201, GRAYED\n"
        "        MENUITEM SEPARATOR\n    END\nEND\n");
    qelt::rc::Result result = qelt::rc::Compile({script}, {});
    ASSERT_TRUE(result.ok) << result.error;
    // CBS_DROPDOWN replaces the default type CBS_SIMPLE; NOT removes the default tab stop.
    EXPECT_NE(result.source.find("\"ComboBox\", \"\", {0u, nullptr}, 0x50000002u"), std::string::npos);
    EXPECT_NE(result.source.find("\"Static\", \"\", {7u, nullptr}, 0x5000000Eu"), std::string::npos);
    // Texts are GBK, written as octal escapes: 矩形 is BE D8 D0 CE.
    EXPECT_NE(result.source.find("{102, \"\\276\\330\\320\\316\"}"), std::string::npos);
    EXPECT_NE(result.source.find("137,80,78,71,0,1,"), std::string::npos);
    EXPECT_NE(result.source.find("201u, 1, 4}"), std::string::npos);  // grayed item of depth 1
    EXPECT_EQ(result.dependencies.size(), 3u);
}

// The tool itself: a malformed script fails the build with the message and no output file.
TEST(ResourceCompiler, ToolExitsWithTheMessage) {
    Folder folder;
    const std::string script = folder.Write("bad.rc", "1 DIALOGEX 0, 0, 1, 1\nSTYLE WS_NOPE\nBEGIN\nEND\n");
    const std::string output = folder.Path() + "/out.cpp";
    const std::string command = std::string(QELT_RC_TOOL) + " -o " + output + " " + script + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string printed;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) printed += buffer;
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(printed, script + ":2: error: undefined symbol WS_NOPE\n");
    EXPECT_FALSE(std::ifstream(output).good());
}

}  // namespace
