#include <gtest/gtest.h>

#include <string>

#include "host/RtfDocument.h"
#include "host/RtfImport.h"

using qelt::report::ImportRtf;
using qelt::report::RtfDocument;

// The receiving document has 宋体 as font 0 and already one colour; the imported document's fonts
// and colours are renumbered into those tables and its header is left out.
TEST(ImportRtf, RenumbersFontsAndColoursAndDropsTheHeader) {
    RtfDocument document;
    document.Color(0x00FF00);
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff1\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
        "{\\f1\\fnil\\fprq2\\fcharset134{\\*\\panose 02010600030101010101}\\'cb\\'ce\\'cc\\'e5;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Writer;}{\\stylesheet{\\s0 Normal;}}"
        "\\viewkind4\\uc1\\pard\\f0\\cf1 x{\\super 2}\\par\\plain y\\'ca\\'dc}";
    std::string body;
    std::string error;
    ASSERT_TRUE(ImportRtf(rtf, document, body, error)) << error;
    EXPECT_EQ(body, "{\\f0 \\uc1\\pard\\f1\\cf2 x{\\super 2}\\par\\plain y\\'ca\\'dc}\n");
    EXPECT_EQ(document.Font("Arial"), 1);
    EXPECT_EQ(document.Color(0x0000FF), 2);
}

// The table that the report page assembles keeps its rows and cells.
TEST(ImportRtf, KeepsTablesAsTheyStand) {
    RtfDocument document;
    const std::string content =
        "\\trowd\\trgaph108\\trleft500\\clbrdrt\\brdrw15\\brdrs \\cellx1980\\pard\\intbl\\kerning2\\f0\\fs21 "
        "a,b \\cell\\row";
    std::string body;
    std::string error;
    ASSERT_TRUE(ImportRtf("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 "
                          "\\'cb\\'ce\\'cc\\'e5;}}\\viewkind4\\uc1" + content + "}",
                          document, body, error))
        << error;
    EXPECT_EQ(body, "{\\f0 \\uc1" + content + "}\n");
}

TEST(ImportRtf, RefusesWhatIsNoCompleteDocument) {
    RtfDocument document;
    std::string body = "kept";
    std::string error;
    for (const char* rtf : {"plain text", "", "{\\rtf1 {\\b open}", "{\\rtf1 unclosed"}) {
        EXPECT_FALSE(ImportRtf(rtf, document, body, error)) << rtf;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(body, "kept");
    }
}
