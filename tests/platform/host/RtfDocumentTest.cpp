#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/RtfDocument.h"

using qelt::report::RtfDocument;

// Sources are compiled to GBK: "受" is \'ca\'dc, "皛" is B0 7E (its second byte is "~"), "渰" is
// 9C 7B (its second byte is "{").
TEST(RtfDocument, RendersTheMarkupAndEscapesText) {
    struct Case {
        const char* text;
        const char* rtf;
    };
    const Case cases[] = {
        {"kN/m$2$", "kN/m{\\super 2}"},
        {"f~max~", "f{\\sub max}"},
        {"f~t~~k~ A~sv~/~s~", "f{\\sub t}{\\sub k} A{\\sub sv}/{\\sub s}"},
        {"10$4$ N/mm$2$", "10{\\super 4} N/mm{\\super 2}"},
        {"a$b", "a$b"},                          // a lone marker stays
        {"$2$3$", "{\\super 2}3$"},              // the third is unbalanced
        {"$$ ~~", "$$ ~~"},                      // empty pieces are not markup
        {"m$2\n$", "m$2\\par\n$"},               // a pair closes on its own line
        {"\t\t受", "\\tab \\tab \\'ca\\'dc"},
        {"皛~x~", "\\'b0\\'7e{\\sub x}"},        // a trail byte is no marker
        {"皛x~", "\\'b0\\'7ex~"},
        {"{\\}渰", "\\{\\\\\\}\\'9c\\'7b"},
        {"a\rb\x01", "ab"},                      // other control characters are dropped
    };
    for (const Case& c : cases) EXPECT_EQ(RtfDocument::Markup(c.text), c.rtf) << c.text;
}

TEST(RtfDocument, DocumentHasTheChineseCodePageAndItsTables) {
    RtfDocument document;
    std::string body = document.Text("受弯构件\n", 5, 1, 0x0000FF, 10.5, "黑体");
    body += document.Text("x", 0, 0, 0x000000, 12, "宋体");
    EXPECT_EQ(body,
              "{\\pard\\qc\\plain\\f1\\fs21\\cf1\\b\\ul \\'ca\\'dc\\'cd\\'e4\\'b9\\'b9\\'bc\\'fe\\par\n}\n"
              "{\\pard\\ql\\plain\\f0\\fs24\\cf2 x}\n");
    EXPECT_EQ(document.Document(body),
              "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
              "{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
              "{\\f1\\fnil\\fprq2\\fcharset134 \\'ba\\'da\\'cc\\'e5;}}"
              "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}\n"
              "\\paperw11906\\paperh16838\\margl1800\\margr1800\\margt1440\\margb1440\\deftab420\\viewkind4\\uc1\n" +
                  body + "}\n");
}

TEST(RtfDocument, TableColumnsFollowTheirWidestShownText) {
    RtfDocument document;
    const std::vector<std::string> cells = {"f~max~", "", "fmax", "", "x", "a,b"};
    const std::string rtf = document.Table(2, 3, cells);
    // Column widths (widest shown bytes + 3) × 125 twips: "f~max~" counts as wide as "fmax".
    const std::string definition =
        "\\trowd\\trgaph108\\trleft0"
        "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx875"
        "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx1375"
        "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx2250\n";
    EXPECT_EQ(rtf, definition + "\\pard\\intbl\\plain\\f0\\fs21 f{\\sub max}\\cell \\cell fmax\\cell \\row\n" +
                       definition + "\\pard\\intbl\\plain\\f0\\fs21 \\cell x\\cell a,b\\cell \\row\n\\pard\n");

    // Columns wider than the page shrink together to the text width.
    const std::string wide = document.Table(1, 2, {std::string(100, 'x'), std::string(100, 'y')});
    EXPECT_NE(wide.find("\\cellx4153"), std::string::npos);
    EXPECT_NE(wide.find("\\cellx8306"), std::string::npos);
}

TEST(RtfDocument, PictureIsAPngOfItsSizeWithinTheTextWidth) {
    const std::vector<unsigned char> png = {0x89, 'P', 'N', 'G'};
    EXPECT_EQ(RtfDocument::Picture(png, 100, 50, true),
              "{\\pard\\qc{\\pict\\pngblip\\picw100\\pich50\\picwgoal1500\\pichgoal750\n89504e47}\\par}\n");
    EXPECT_NE(RtfDocument::Picture(png, 1000, 500, false).find("\\picwgoal8306\\pichgoal4153"), std::string::npos);
}
