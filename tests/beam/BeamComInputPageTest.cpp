// The continuous beam's input page: spans, the load tree and the load editor's checks, the case
// limit and the cover check.
#include <gtest/gtest.h>

#include <string>

#include "Printers.h"
#include "ReferencePicture.h"
#include "beam/BeamLoadPictures.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/stdctrl/Static.h"
#include "render/Render.h"
#include "beam/BeamComInputDlg.h"
#include "mfc/person/InteractionLog.h"
#include "sibling/BeamRecords.h"
#include "sibling/SteelSpanLoad.h"

namespace {

class BeamComInputPage : public testing::Test {
protected:
    void SetUp() override {
        qelt::InteractionLog::Instance().Clear();
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0));
        m_page.m_pBeam = &m_beam;
        ASSERT_TRUE(m_page.Create(CBeamComInputDlg::IDD, &m_frame));
        m_page.ShowWindow(SW_SHOW);
        m_page.SetData(&m_beam);
    }
    void TearDown() override {
        m_page.DestroyWindow();
        m_frame.DestroyWindow();
    }

    void Type(UINT nID, const char* pszText) { m_page.SetDlgItemText(nID, pszText); }
    void Click(UINT nID) {
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(m_page.GetDlgItem(nID)->GetSafeHwnd()));
    }
    // A radio button as a click leaves it: checked in its group, then BN_CLICKED.
    void ClickRadio(UINT nID) {
        m_page.CheckRadioButton(IDC_CB_DEAD_CASE, IDC_CB_LIVE_CASE, nID);
        Click(nID);
    }
    void AppendSpan(const char* pszLength, const char* pszWidth, const char* pszHeight) {
        Type(IDC_CB_SPAN_LENGTH, pszLength);
        Type(IDC_CB_SPAN_WIDTH, pszWidth);
        Type(IDC_CB_SPAN_HEIGHT, pszHeight);
        Click(IDC_CB_APPEND_SPAN);
    }
    void ChooseKind(int nKind) {
        m_page.m_cmbLoadKind.SetCurSel(nKind);
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CB_LOAD_KIND, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(m_page.m_cmbLoadKind.GetSafeHwnd()));
    }
    // The tree as lines: one item a line, indented by two blanks a level.
    CString Tree() {
        CString text;
        Walk(m_page.m_treeLoad.GetRootItem(), 0, text);
        return text;
    }
    void Walk(HTREEITEM hItem, int nLevel, CString& text) {
        for (; hItem; hItem = m_page.m_treeLoad.GetNextSiblingItem(hItem)) {
            text += CString(std::string(2 * nLevel, ' ').c_str()) + m_page.m_treeLoad.GetItemText(hItem) + "\n";
            Walk(m_page.m_treeLoad.GetChildItem(hItem), nLevel + 1, text);
        }
    }
    CString LastMessage() {
        const auto& entries = qelt::InteractionLog::Instance().Entries();
        return entries.empty() ? CString() : entries.back().text;
    }

    CWnd m_frame;
    CContinuousBeam m_beam;
    CBeamComInputDlg m_page;
};

TEST_F(BeamComInputPage, AppendingASpanAddsItsRowAndASpanNodeToEveryCase) {
    AppendSpan("6", "300", "600");
    ASSERT_EQ(1, m_beam.getSpanNum());
    EXPECT_EQ(6, m_beam.getSpan(0)->m_dSpanLen);
    EXPECT_EQ(300, m_beam.getSpan(0)->m_dSecWidth);
    EXPECT_EQ(600, m_beam.getSpan(0)->m_dSecHeight);
    EXPECT_EQ(CString("1"), m_page.m_listSpan.GetItemText(0, 0));
    EXPECT_EQ(CString("6"), m_page.m_listSpan.GetItemText(0, 1));
    EXPECT_EQ(CString("300*600"), m_page.m_listSpan.GetItemText(0, 2));
    // The radio gives the current case its kind: the new case becomes live.
    Click(IDC_CB_ADD_CASE);
    ClickRadio(IDC_CB_LIVE_CASE);
    AppendSpan("4.5", "250", "500");
    EXPECT_EQ(CString("工况1(恒载)\n  第1跨\n  第2跨\n工况2(活载)\n  第1跨\n  第2跨\n"), Tree());
    ASSERT_EQ(2, m_beam.GetComNum());
    EXPECT_EQ(BEAM_CASE_LIVE, m_beam.m_ComStyleArr[1]);
    // Deleting the first span renumbers the rest; deleting the last leaves the beam's two cases.
    m_page.m_listSpan.SelectItem(0);
    Click(IDC_CB_DELETE_SPAN);
    EXPECT_EQ(1, m_beam.getSpanNum());
    EXPECT_EQ(4.5, m_beam.getSpan(0)->m_dSpanLen);
    EXPECT_EQ(CString("工况1(恒载)\n  第1跨\n工况2(活载)\n  第1跨\n"), Tree());
    m_page.m_listSpan.SelectItem(0);
    Click(IDC_CB_DELETE_SPAN);
    EXPECT_EQ(0, m_page.m_listSpan.GetItemCount());
    EXPECT_EQ(CString("工况1(恒载)\n工况2(活载)\n"), Tree());
    EXPECT_EQ(2, m_beam.GetComNum());
}

// l/h = 6000/1500 = 4 asks; the default answer 是 goes back to editing.
TEST_F(BeamComInputPage, AShortDeepSpanIsQuestionedAndNotTaken) {
    AppendSpan("6", "300", "1500");
    EXPECT_EQ(0, m_beam.getSpan(0) ? 1 : 0);
    EXPECT_EQ(CString("跨高比(l/h)小于5，应该按深受弯构件计算。\n是否返回修改？"), LastMessage());
    AppendSpan("0", "300", "500");
    EXPECT_EQ(CString("跨长、梁高或者梁宽不能小于或等于0！"), LastMessage());
    EXPECT_EQ(0, m_beam.getSpanNum());
}

// The deep-member question concerns simply supported and continuous spans: a span that is a
// cantilever where it goes (first with a free left end, last with a free right end) is taken at
// l/h = 1500/500 = 3 without it; the same span between them is asked about.
TEST_F(BeamComInputPage, ACantileverSpanIsNotQuestionedAsDeep) {
    struct Step {
        int nLeft, nRight;  // the end supports chosen before the span is appended
        int nSpans;         // spans afterwards
        bool bAsked;
    } steps[] = {{BEAM_END_FREE, BEAM_END_SIMPLE, 1, false},
                 {BEAM_END_FREE, BEAM_END_SIMPLE, 1, true},
                 {BEAM_END_FREE, BEAM_END_FREE, 2, false}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.nSpans);
        static_cast<CComboBox*>(m_page.GetDlgItem(IDC_CB_LEFT_END))->SetCurSel(step.nLeft);
        static_cast<CComboBox*>(m_page.GetDlgItem(IDC_CB_RIGHT_END))->SetCurSel(step.nRight);
        qelt::InteractionLog::Instance().Clear();
        AppendSpan("1.5", "300", "500");
        EXPECT_EQ(step.nSpans, m_beam.getSpanNum());
        EXPECT_EQ(step.bAsked ? CString("跨高比(l/h)小于5，应该按深受弯构件计算。\n是否返回修改？") : CString(), LastMessage());
    }
}

// Each kind's checks on a 6 m span, in their order; equality at the span's end passes.
TEST_F(BeamComInputPage, LoadValuesAreCheckedBeforeTheyGoIn) {
    AppendSpan("6", "300", "600");
    struct Case {
        int nKind;
        const char* values[4];  // 487 … 490; null: the box is not used
        const char* pszMessage;  // empty: taken
    } cases[] = {
        {BEAM_LOAD_FORCE, {"0.005", nullptr, "2", nullptr}, "P值必须>0!"},
        {BEAM_LOAD_FORCE, {"10", nullptr, "-1", nullptr}, "a值不能小于0!"},
        {BEAM_LOAD_FORCE, {"10", nullptr, "6.5", nullptr}, "a值不能大于跨度!"},
        {BEAM_LOAD_FORCE, {"10", nullptr, "6", nullptr}, ""},
        {BEAM_LOAD_MOMENT, {"0.005", nullptr, "2", nullptr}, "M值不能为0!"},
        {BEAM_LOAD_MOMENT, {"-20", nullptr, "2", nullptr}, ""},
        {BEAM_LOAD_UNIFORM, {"0", nullptr, nullptr, nullptr}, "q值必须>0!"},
        {BEAM_LOAD_TRIANGLE, {"-3", nullptr, nullptr, nullptr}, "q值必须>0!"},
        {BEAM_LOAD_TRAPEZOID, {"5", nullptr, "3.01", nullptr}, "a值不能大于跨度的一半!"},
        {BEAM_LOAD_TRAPEZOID, {"5", nullptr, "3", nullptr}, ""},
        {BEAM_LOAD_PARTIAL, {"0", "0", "1", "2"}, "q1与q2必须至少有一项大于0!"},
        {BEAM_LOAD_PARTIAL, {"0", "5", "-1", "2"}, "a值不能小于0!"},
        {BEAM_LOAD_PARTIAL, {"0", "5", "2", "-1"}, "c值不能小于0!"},
        {BEAM_LOAD_PARTIAL, {"0", "5", "2", "4.5"}, "a+c的值不能大于跨度!"},
        {BEAM_LOAD_PARTIAL, {"0", "5", "2", "4"}, ""},
        {BEAM_LOAD_PARTIAL, {"1", "2", "0.1", "5.9"}, ""},
    };
    const UINT boxes[4] = {IDC_CB_LOAD_VALUE1, IDC_CB_LOAD_VALUE2, IDC_CB_LOAD_POS_A, IDC_CB_LOAD_POS_C};
    int nTaken = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nKind << " " << c.values[0]);
        ChooseKind(c.nKind);
        for (int b = 0; b < 4; ++b)
            if (c.values[b]) Type(boxes[b], c.values[b]);
        m_page.SelectSpanNode(0);
        qelt::InteractionLog::Instance().Clear();
        Click(IDC_CB_INSERT_LOAD);
        EXPECT_EQ(CString(c.pszMessage), LastMessage());
        if (!*c.pszMessage) ++nTaken;
        const CSteelSpanLoad* pLoads = m_beam.getSpan(0)->GetCurComLoad();
        const int nLoads = pLoads ? pLoads->m_CenLoadArr.GetSize() + pLoads->m_CenMomArr.GetSize() +
                                        pLoads->m_DisLoadArr.GetSize() + pLoads->m_TriLoadArr.GetSize() +
                                        pLoads->m_TraLoadArr.GetSize() + pLoads->m_AnyLoadArr.GetSize()
                                  : 0;
        EXPECT_EQ(nTaken, nLoads);
    }
    const CSteelSpanLoad& loads = *m_beam.getSpan(0)->GetCurComLoad();
    EXPECT_EQ(-20, loads.m_CenMomArr[0].m_dLoadValue);
    EXPECT_EQ(3, loads.m_TraLoadArr[0].m_dPosA);
    EXPECT_EQ(4, loads.m_AnyLoadArr[0].m_dPosC);
    EXPECT_EQ(CString("工况1(恒载)\n  第1跨\n    10-6\n    -20-2\n    5-3\n    0-5-2-4\n    1-2-0.1-5.9\n"), Tree());
}

// Selecting a load shows its values and kind; modifying it replaces it in place.
TEST_F(BeamComInputPage, ALoadIsShownAndModified) {
    AppendSpan("6", "300", "600");
    ChooseKind(BEAM_LOAD_FORCE);
    Type(IDC_CB_LOAD_VALUE1, "10");
    Type(IDC_CB_LOAD_POS_A, "2");
    m_page.SelectSpanNode(0);
    Click(IDC_CB_INSERT_LOAD);
    Type(IDC_CB_LOAD_VALUE1, "12");
    Type(IDC_CB_LOAD_POS_A, "3");
    m_page.SelectSpanNode(0);
    Click(IDC_CB_INSERT_LOAD);
    ChooseKind(BEAM_LOAD_UNIFORM);
    HTREEITEM hFirst = m_page.m_treeLoad.GetChildItem(m_page.m_treeLoad.GetChildItem(m_page.m_treeLoad.GetRootItem()));
    m_page.m_treeLoad.SelectItem(hFirst);
    EXPECT_EQ(BEAM_LOAD_FORCE, m_page.m_cmbLoadKind.GetCurSel());
    EXPECT_EQ(CString("10"), m_page.GetEditText(IDC_CB_LOAD_VALUE1));
    EXPECT_EQ(CString("2"), m_page.GetEditText(IDC_CB_LOAD_POS_A));
    Type(IDC_CB_LOAD_VALUE1, "15");
    Click(IDC_CB_MODIFY_LOAD);
    const CSteelSpanLoad& loads = *m_beam.getSpan(0)->GetCurComLoad();
    ASSERT_EQ(2, loads.m_CenLoadArr.GetSize());
    EXPECT_EQ(15, loads.m_CenLoadArr[0].m_dLoadValue);
    EXPECT_EQ(2, loads.m_CenLoadArr[0].m_dPosA);
    EXPECT_EQ(12, loads.m_CenLoadArr[1].m_dLoadValue);
    EXPECT_EQ(CString("工况1(恒载)\n  第1跨\n    15.00-2.00\n    12-3\n"), Tree());
    // Another kind in the selector disables 修改荷载 for this load.
    ChooseKind(BEAM_LOAD_TRIANGLE);
    EXPECT_FALSE(m_page.GetDlgItem(IDC_CB_MODIFY_LOAD)->IsWindowEnabled());
    m_page.m_treeLoad.SelectItem(hFirst);
    Click(IDC_CB_DELETE_ITEM);
    ASSERT_EQ(1, loads.m_CenLoadArr.GetSize());
    EXPECT_EQ(12, loads.m_CenLoadArr[0].m_dLoadValue);
}

// Deleting case 2 of three moves case 3 down with its kind; the last case cannot be deleted.
TEST_F(BeamComInputPage, DeletingACaseRenumbersTheLaterOnes) {
    AppendSpan("6", "300", "600");
    Click(IDC_CB_ADD_CASE);
    Click(IDC_CB_ADD_CASE);
    ClickRadio(IDC_CB_LIVE_CASE);
    ASSERT_EQ(3, m_beam.GetComNum());
    m_page.m_treeLoad.SelectItem(m_page.m_treeLoad.GetNextSiblingItem(m_page.m_treeLoad.GetRootItem()));
    Click(IDC_CB_DELETE_ITEM);
    EXPECT_EQ(CString("工况1(恒载)\n  第1跨\n工况2(活载)\n  第1跨\n"), Tree());
    ASSERT_EQ(2, m_beam.GetComNum());
    EXPECT_EQ(BEAM_CASE_LIVE, m_beam.m_ComStyleArr[1]);
    m_page.m_treeLoad.SelectItem(m_page.m_treeLoad.GetRootItem());
    Click(IDC_CB_DELETE_ITEM);
    m_page.m_treeLoad.SelectItem(m_page.m_treeLoad.GetRootItem());
    EXPECT_FALSE(m_page.GetDlgItem(IDC_CB_DELETE_ITEM)->IsWindowEnabled());
    EXPECT_EQ(1, m_beam.GetComNum());
}

// The combination mask holds 32 cases: a 33rd is refused with a message.
TEST_F(BeamComInputPage, AThirtyThirdCaseIsRefused) {
    AppendSpan("6", "300", "600");
    for (int c = 1; c < 32; ++c) Click(IDC_CB_ADD_CASE);
    EXPECT_EQ(32, m_beam.GetComNum());
    qelt::InteractionLog::Instance().Clear();
    Click(IDC_CB_ADD_CASE);
    EXPECT_EQ(32, m_beam.GetComNum());
    EXPECT_EQ(CString("荷载工况数不能超过32个！"), LastMessage());
    EXPECT_EQ(32, m_page.m_treeLoad.GetChildCount(TVI_ROOT));
}

// 2 × cover against every span's own height, not only the span editor's.
TEST_F(BeamComInputPage, CoverIsCheckedAgainstEverySpan) {
    AppendSpan("6", "300", "600");
    AppendSpan("3", "200", "180");
    Type(IDC_CB_SPAN_HEIGHT, "600");
    struct Case {
        const char* pszCover;
        bool bAccepted;
    } cases[] = {{"80", true}, {"90", false}, {"100", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszCover);
        Type(IDC_CB_COVER, c.pszCover);
        CStringArray warnings, errors;
        EXPECT_EQ(c.bAccepted, m_page.CheckData(&m_beam, warnings, errors) != FALSE);
        EXPECT_EQ(c.bAccepted ? 0 : 1, errors.GetSize());
        if (!c.bAccepted) {
            EXPECT_EQ(CString("保护层厚度太大，请重新输入！"), errors[0]);
        }
    }
    // Leaving the box: 120 is beyond the cover's range and 95 fails against h = 180; each time the
    // old cover returns.
    Type(IDC_CB_COVER, "80");
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CB_COVER, EN_KILLFOCUS), 0);
    const struct {
        const char* pszTyped;
        const char* pszMessage;
    } refused[] = {{"120", "输入值应在10与100之间"}, {"95", "保护层厚度太大，请重新输入！"}};
    for (const auto& r : refused) {
        Type(IDC_CB_COVER, r.pszTyped);
        qelt::InteractionLog::Instance().Clear();
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CB_COVER, EN_KILLFOCUS), 0);
        EXPECT_EQ(CString(r.pszMessage), LastMessage());
        EXPECT_EQ(CString("80"), m_page.GetEditText(IDC_CB_COVER));
    }
}

// A factor outside its range is refused with the range's message when its box is left, and the box
// keeps the factor it held; one inside is taken.
TEST_F(BeamComInputPage, FactorsOutsideTheirRangesAreRefused) {
    struct Case {
        UINT nID;
        const char* pszTyped;
        const char* pszShown;
        const char* pszMessage;
    } cases[] = {
        {IDC_CB_DEAD_FACTOR, "2.5", "1.2", "输入值应在1与2之间"},     {IDC_CB_LIVE_FACTOR, "0.5", "1.4", "输入值应在1与2之间"},
        {IDC_CB_LIVE_FACTOR, "1.3", "1.3", ""},                       {IDC_CB_SPAN_FACTOR, "0.4", "1", "输入值应在0.5与2之间"},
        {IDC_CB_SUPPORT_FACTOR, "3", "1", "输入值应在0.5与2之间"},    {IDC_CB_SUPPORT_FACTOR, "0.8", "0.8", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszTyped);
        qelt::InteractionLog::Instance().Clear();
        Type(c.nID, c.pszTyped);
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, EN_KILLFOCUS), 0);
        EXPECT_EQ(CString(c.pszShown), m_page.GetEditText(c.nID));
        EXPECT_EQ(CString(c.pszMessage), LastMessage());
    }
    AppendSpan("6", "300", "600");
    CStringArray warnings, errors;
    m_page.CheckData(&m_beam, warnings, errors);
    EXPECT_EQ(1.2, m_beam.m_dConLoadScale);
    EXPECT_EQ(1.3, m_beam.m_dVarLoadScale);
    EXPECT_EQ(1, m_beam.m_MidModulus);
    EXPECT_EQ(0.8, m_beam.m_TipModulus);
}

// A stored beam with loads of every kind in two cases is shown in the tree.
TEST_F(BeamComInputPage, TheTreeShowsTheBeamsLoads) {
    CSteelSpan* pSpan = new CSteelSpan;
    pSpan->m_dSpanLen = 6;
    pSpan->m_dSecWidth = 300;
    pSpan->m_dSecHeight = 600;
    m_beam.AddSpan(pSpan);
    m_beam.AddComStyle(BEAM_CASE_LIVE);
    m_beam.SetCurrentCom(1);
    pSpan->AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{12.5, 1.5});
    pSpan->AddSpanLoad(BEAM_LOAD_UNIFORM, 7.5);
    pSpan->AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{1, 3, 0.5, 2.5});
    m_page.SetData(&m_beam);
    EXPECT_EQ(CString("工况1(恒载)\n  第1跨\n工况2(活载)\n  第1跨\n    12.5-1.5\n    7.5\n    1.0-3.0-0.5-2.5\n"), Tree());
    EXPECT_EQ(CString("300*600"), m_page.m_listSpan.GetItemText(0, 2));
}

// A span shortened after its loads were entered: a force at 5 m on a span made 4 m long stops
// the calculation with an error naming the span.
TEST_F(BeamComInputPage, ALoadLeftOffItsShortenedSpanIsAnError) {
    AppendSpan("6", "300", "600");
    AppendSpan("6", "300", "600");
    ChooseKind(BEAM_LOAD_FORCE);
    Type(IDC_CB_LOAD_VALUE1, "10");
    Type(IDC_CB_LOAD_POS_A, "5");
    m_page.SelectSpanNode(1);
    Click(IDC_CB_INSERT_LOAD);
    m_page.m_listSpan.SelectItem(1);
    Type(IDC_CB_SPAN_LENGTH, "4");
    Click(IDC_CB_MODIFY_SPAN);
    ASSERT_EQ(4, m_beam.getSpan(1)->m_dSpanLen);
    CStringArray warnings, errors;
    EXPECT_FALSE(m_page.CheckData(&m_beam, warnings, errors));
    ASSERT_EQ(1, errors.GetSize());
    EXPECT_EQ(CString("第2跨的荷载位置超出跨度，请重新输入！"), errors[0]);
}

// Deleting a span node's loads in case 2 takes only that span's case-2 loads.
TEST_F(BeamComInputPage, DeletingASpanNodesLoadsKeepsTheOtherCases) {
    AppendSpan("6", "300", "600");
    m_page.SelectSpanNode(0);
    Click(IDC_CB_INSERT_LOAD);
    Click(IDC_CB_ADD_CASE);
    m_page.SelectSpanNode(0);
    Click(IDC_CB_INSERT_LOAD);
    Click(IDC_CB_INSERT_LOAD);
    ASSERT_EQ(2, m_beam.getSpan(0)->m_SpanLoadArr.GetSize());
    m_page.SelectSpanNode(0);
    Click(IDC_CB_DELETE_ITEM);
    ASSERT_EQ(1, m_beam.getSpan(0)->m_SpanLoadArr.GetSize());
    EXPECT_EQ(0, m_beam.getSpan(0)->m_SpanLoadArr[0]->m_nComIndex);
    EXPECT_EQ(CString("工况1(恒载)\n  第1跨\n    10\n工况2(恒载)\n  第1跨\n"), Tree());
}

// Whether a snapped window shows a pixel of a colour (0xRRGGBB).
bool Shows(HWND window, std::uint32_t colour) {
    cairo_surface_t* image = qelt::test::picture_detail::Decode(qelt::render::SnapWindow(window));
    if (!image) return false;
    bool found = false;
    for (int y = 0; y < cairo_image_surface_get_height(image) && !found; ++y)
        for (int x = 0; x < cairo_image_surface_get_width(image) && !found; ++x)
            found = qelt::test::picture_detail::Pixel(image, x, y) == colour;
    cairo_surface_destroy(image);
    return found;
}

// The pictures of the load editor: the kind selector shows six pictures (items without text, 20
// pixels high), the static beside it the chosen kind's picture, the tree its icons (also in a page
// window made again), and the note its information icon.
TEST_F(BeamComInputPage, LoadKindsAndTheTreeShowTheirPictures) {
    m_page.DestroyWindow();
    ASSERT_TRUE(m_page.Create(CBeamComInputDlg::IDD, &m_frame));
    m_page.ShowWindow(SW_SHOW);
    m_page.SetData(&m_beam);
    ASSERT_NE(nullptr, m_page.m_cmbLoadKind.GetImageList());
    EXPECT_EQ(BEAM_LOAD_KINDS, m_page.m_cmbLoadKind.GetImageList()->GetImageCount());
    EXPECT_EQ(BEAM_LOAD_KINDS, m_page.m_cmbLoadKind.GetCount());
    CString strItem;
    m_page.m_cmbLoadKind.GetLBText(0, strItem);
    EXPECT_EQ(CString(""), strItem);
    EXPECT_EQ(LOAD_KIND_IMAGE_HEIGHT, m_page.m_cmbLoadKind.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
    CStatic* pKind = static_cast<CStatic*>(m_page.GetDlgItem(IDC_CB_KIND_PICTURE));
    const HBITMAP hUniform = pKind->GetBitmap();
    EXPECT_NE(nullptr, hUniform);
    ChooseKind(BEAM_LOAD_FORCE);
    EXPECT_NE(nullptr, pKind->GetBitmap());
    EXPECT_NE(hUniform, pKind->GetBitmap());
    CImageList* pIcons = m_page.m_treeLoad.GetImageList(TVSIL_NORMAL);
    ASSERT_NE(nullptr, pIcons);
    EXPECT_EQ(LOAD_TREE_ICONS, pIcons->GetImageCount());
    // The case node's folder (its face RGB(255, 216, 80)) and the force's arrow (RGB(210, 0, 0)).
    EXPECT_TRUE(Shows(m_page.m_treeLoad.GetSafeHwnd(), 0xFFD850));
    EXPECT_TRUE(Shows(m_page.m_cmbLoadKind.GetSafeHwnd(), 0xD20000));
    EXPECT_NE(nullptr, static_cast<CStatic*>(m_page.GetDlgItem(IDC_CB_TIPS))->GetBitmap());
}

}  // namespace
