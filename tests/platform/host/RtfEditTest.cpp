#include <gtest/gtest.h>

#include <string>

#include "ExpectedMisuses.h"
#include "host/RtfEdit.h"
#include "host/WordObject.h"
#include "mfc/Afx.h"
#include "mfc/user/Resources.h"
#include "Printers.h"

namespace {

const UINT kPage = 9202;
const UINT kControl = 565;
const UINT kBitmap = 9201;

// The table document that the report page assembles from table rows: 1 × 2 cells here.
CString TableDocument(CRtfEdit& edit, const char* left, const char* right) {
    return CString("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 "
                   "\\'cb\\'ce\\'cc\\'e5;}}\\viewkind4\\uc1\\trowd\\trgaph108\\trleft500\\cellx1600\\cellx3000"
                   "\\pard\\intbl\\kerning2\\f0\\fs21 ") +
           edit.TransToRTF(left, 10.5, "宋体") + " \\cell " + edit.TransToRTF(right, 10.5, "宋体") + " \\cell\\row}";
}

class CRtfEditTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_page.Create(kPage));
        ASSERT_TRUE(m_edit.SubclassDlgItem(kControl, &m_page));
    }
    CString Text() const {
        CString text;
        m_edit.GetWindowText(text);
        return text;
    }
    std::string Rtf() { return m_edit.GetRTF().Str(); }

    CDialog m_page{kPage};
    CRtfEdit m_edit;
};

}  // namespace

TEST_F(CRtfEditTest, TextWithMarkupInTheControlAndTheDocument) {
    ASSERT_TRUE(m_edit.WriteText("q = 2.5kN/m$2$\n", 0, 0, 0, 0, RGB(0, 0, 0), 10.5, "宋体"));
    ASSERT_TRUE(m_edit.WriteText("f~max~ = 2.5", 1, 0, 0, 0, RGB(255, 0, 0), 10.5, "宋体"));
    EXPECT_EQ(Text(), CString("q = 2.5kN/m2\r\nfmax = 2.5"));

    CHARFORMAT2 cf;
    m_edit.SetSel(11, 12);  // "2" of m²
    m_edit.GetSelectionCharFormat(cf);
    EXPECT_EQ(cf.dwEffects & (CFE_SUPERSCRIPT | CFE_SUBSCRIPT), DWORD(CFE_SUPERSCRIPT));
    EXPECT_EQ(cf.yHeight, 210);
    m_edit.SetSel(14, 17);  // "max"
    m_edit.GetSelectionCharFormat(cf);
    EXPECT_EQ(cf.dwEffects & (CFE_SUPERSCRIPT | CFE_SUBSCRIPT | CFE_BOLD), DWORD(CFE_SUBSCRIPT | CFE_BOLD));
    EXPECT_EQ(cf.crTextColor, RGB(255, 0, 0));

    const std::string rtf = Rtf();
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg936", 0), 0u);
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fprq2\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0;"), std::string::npos);
    EXPECT_NE(rtf.find("kN/m{\\super 2}\\par"), std::string::npos);
    EXPECT_NE(rtf.find("f{\\sub max} = 2.5"), std::string::npos);

    EXPECT_EQ(m_edit.TransToRTF("kN/m$2$\tf~max~", 10.5, "宋体"), CString("{\\f0\\fs21 kN/m{\\super 2}\\tab f{\\sub max}}"));
}

// A table document goes in at the insertion point; pictures are kept in the document.
TEST_F(CRtfEditTest, TablesAtTheInsertionPointAndPictures) {
    m_edit.WriteText("前\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    m_edit.SetSel(0, 0);
    ASSERT_TRUE(m_edit.SetRTF(TableDocument(m_edit, "A~s~", "d10@150(523),另加")));
    m_edit.WriteText("后", 0, 0, 0, 0, 0, 10.5, "宋体");
    EXPECT_EQ(Text(), CString("As \td10@150(523),另加 \r\n前\r\n后"));

    CWordObject report;
    report.WritePhotograph(qelt::ModuleHandleOf(reinterpret_cast<const void*>(&TableDocument)), kBitmap, 0, 0);
    ASSERT_TRUE(m_edit.WritePhotograph(report.GetRow(0)));

    const std::string rtf = Rtf();
    const size_t table = rtf.find("A{\\sub s}");
    const size_t before = rtf.find("\\'c7\\'b0");  // 前
    const size_t after = rtf.find("\\'ba\\'f3");   // 后
    const size_t picture = rtf.find("{\\pict\\pngblip\\picw6\\pich4\\picwgoal90\\pichgoal60");
    ASSERT_NE(table, std::string::npos);
    EXPECT_NE(rtf.find("d10@150(523),\\'c1\\'ed\\'bc\\'d3"), std::string::npos);
    EXPECT_LT(table, before);
    EXPECT_LT(before, after);
    ASSERT_NE(picture, std::string::npos);
    EXPECT_LT(after, picture);
    EXPECT_LT(rtf.rfind("\\par", picture), picture);  // the picture begins a line of its own
    EXPECT_GT(rtf.rfind("\\par", picture), after);
}

// Text put in through the control's own operations replaces what the document held.
TEST_F(CRtfEditTest, TheDocumentFollowsTheControl) {
    m_edit.WriteText("旧\n", 0, 0, 0, 0, 0, 10.5, "宋体");
    m_edit.SetWindowText("");
    EXPECT_EQ(Rtf().find("\\'be\\'c9"), std::string::npos);
    m_edit.WriteText("新", 0, 0, 0, 0, 0, 10.5, "宋体");
    EXPECT_EQ(Text(), CString("新"));
    EXPECT_NE(Rtf().find("\\'d0\\'c2"), std::string::npos);

    m_edit.SetWindowText("typed");
    EXPECT_NE(Rtf().find("typed"), std::string::npos);
    EXPECT_EQ(Rtf().find("\\'d0\\'c2"), std::string::npos);
}

TEST_F(CRtfEditTest, RefusedCallsChangeNothing) {
    m_edit.WriteText("x", 0, 0, 0, 0, 0, 10.5, "宋体");
    const std::string rtf = Rtf();
    CWordObject report;
    report.WriteText("y", 0, 0, 0, 0, 0, 10.5, "宋体");
    qelt::test::ExpectedMisuses misuses;
    EXPECT_FALSE(m_edit.SetRTF("no document"));
    EXPECT_FALSE(m_edit.SetRTF("{\\rtf1 {unclosed}"));
    EXPECT_FALSE(m_edit.WriteText(nullptr, 0, 0, 0, 0, 0, 10.5, "宋体"));
    EXPECT_FALSE(m_edit.WriteText("x", 0, 0, 0, 0, 0, 0, "宋体"));
    EXPECT_FALSE(m_edit.WritePhotograph(report.GetRow(0)));
    EXPECT_FALSE(m_edit.WritePhotograph(nullptr));
    EXPECT_EQ(misuses.Count(), 6);
    EXPECT_EQ(Text(), CString("x"));
    EXPECT_EQ(Rtf(), rtf);

    CRtfEdit unbound;
    EXPECT_FALSE(unbound.WriteText("x", 0, 0, 0, 0, 0, 10.5, "宋体"));
}
