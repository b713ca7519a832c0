#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "mfc/Afx.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "resources/TestResource.h"
#include "Printers.h"

namespace {

using qelt::InteractionLog;
using qelt::UserScript;

// The basic test dialog: it records the notifications it receives, checks the width box when the
// box loses the focus (a number from 1 to 100, else a message, the old value back and the focus
// back in the box, as the module's pages do), and opens the prompt dialog from a button.
class CBasicDlg : public CDialog {
public:
    CBasicDlg() : CDialog(IDD_BASIC) {}

    std::vector<std::string> events;
    std::vector<INT_PTR> promptResults;
    CString width = "10";
    CString nameAtClose, widthAtClose, heightAtClose, gammaAtClose;
    int gradeAtClose = -1;
    bool cancelled = false;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemText(IDC_WIDTH, width);
        events.clear();
        return TRUE;
    }
    void Note(const char* what) { events.push_back(what); }
    afx_msg void OnNameChange() { Note("name change"); }
    afx_msg void OnNameKillFocus() { Note("name kill"); }
    afx_msg void OnWidthChange() { Note("width change"); }
    afx_msg void OnHeightKillFocus() { Note("height kill"); }
    afx_msg void OnWidthKillFocus() {
        Note("width kill");
        CString text;
        GetDlgItemText(IDC_WIDTH, text);
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        if (text.IsEmpty() || *end || value < 1 || value > 100) {
            AfxMessageBox("请输入一个在1与100之间的整数");
            SetDlgItemText(IDC_WIDTH, width);
            GetDlgItem(IDC_WIDTH)->SetFocus();
            return;
        }
        width = text;
    }
    afx_msg void OnGradeChange() { Note("grade selchange"); }
    afx_msg void OnGammaEditChange() { Note("gamma editchange"); }
    afx_msg void OnGammaKillFocus() { Note("gamma kill"); }
    afx_msg void OnRadio(UINT nID) { events.push_back("radio " + std::to_string(nID)); }
    afx_msg void OnOpen() {
        CDialog prompt(IDD_PROMPT, this);
        promptResults.push_back(prompt.DoModal());
    }
    void OnCancel() override {
        cancelled = true;
        GetDlgItemText(IDC_NAME, nameAtClose);
        GetDlgItemText(IDC_WIDTH, widthAtClose);
        GetDlgItemText(IDC_HEIGHT, heightAtClose);
        GetDlgItemText(IDC_GAMMA, gammaAtClose);
        gradeAtClose = static_cast<int>(SendDlgItemMessageForTest(IDC_GRADE, CB_GETCURSEL));
        CDialog::OnCancel();
    }
    LRESULT SendDlgItemMessageForTest(int id, UINT message) { return GetDlgItem(id)->SendMessage(message); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBasicDlg, CDialog)
    ON_EN_CHANGE(IDC_NAME, OnNameChange)
    ON_EN_KILLFOCUS(IDC_NAME, OnNameKillFocus)
    ON_EN_CHANGE(IDC_WIDTH, OnWidthChange)
    ON_EN_KILLFOCUS(IDC_WIDTH, OnWidthKillFocus)
    ON_EN_KILLFOCUS(IDC_HEIGHT, OnHeightKillFocus)
    ON_CBN_SELCHANGE(IDC_GRADE, OnGradeChange)
    ON_CBN_EDITCHANGE(IDC_GAMMA, OnGammaEditChange)
    ON_CBN_KILLFOCUS(IDC_GAMMA, OnGammaKillFocus)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_RADIO_A, IDC_RADIO_Y, OnRadio)
    ON_BN_CLICKED(IDC_OPEN, OnOpen)
END_MESSAGE_MAP()

class UserScriptTest : public ::testing::Test {
protected:
    void SetUp() override { InteractionLog::Instance().Clear(); }
    const std::vector<qelt::InteractionEntry>& Log() { return InteractionLog::Instance().Entries(); }
};

TEST_F(UserScriptTest, TypingMovesOnWithKillFocusNotifications) {
    UserScript script;
    script.Set(IDC_NAME, "梁-1").Set(IDC_WIDTH, "50").Set(IDC_HEIGHT, "600");
    qelt::ScopedUserScript installed(script);
    CBasicDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);

    std::vector<std::string> expected{"name change", "name kill", "width change", "width kill", "height kill"};
    EXPECT_EQ(dlg.events, expected);
    EXPECT_EQ(dlg.nameAtClose, "梁-1");
    EXPECT_EQ(dlg.widthAtClose, "50");
    EXPECT_EQ(dlg.heightAtClose, "600");
    EXPECT_FALSE(script.Failed()) << script.Error();
    // With no action left the dialog was closed as with its close box.
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_EQ(Log()[0].kind, "dialog");
    EXPECT_FALSE(Log()[0].byScript);
}

// The width check moves the focus back while the focus is moving on: no loop, the message is
// answered by the script's next action, and the next typing reaches the box again.
TEST_F(UserScriptTest, KillFocusHandlerThatRefocusesDoesNotLoop) {
    UserScript script;
    script.Set(IDC_WIDTH, "500").Answer(IDOK).Set(IDC_WIDTH, "60").Set(IDC_NAME, "b");
    qelt::ScopedUserScript installed(script);
    CBasicDlg dlg;
    dlg.DoModal();

    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(dlg.widthAtClose, "60");
    // The restored text is a change too; typing moved on from the width to the height box.
    std::vector<std::string> expected{"width change", "width kill", "width change", "width change", "width kill",
                                      "height kill", "name change", "name kill"};
    EXPECT_EQ(dlg.events, expected);
    ASSERT_EQ(Log().size(), 2u);
    EXPECT_EQ(Log()[0].kind, "message box");
    EXPECT_TRUE(Log()[0].byScript);
    EXPECT_EQ(Log()[0].answer, "确定");
}

TEST_F(UserScriptTest, UnansweredMessageBoxGetsItsDefaultAndIsLogged) {
    UserScript script;
    script.Set(IDC_WIDTH, "0").Set(IDC_NAME, "梁");
    qelt::ScopedUserScript installed(script);
    CBasicDlg dlg;
    dlg.DoModal();

    ASSERT_GE(Log().size(), 1u);
    const qelt::InteractionEntry& box = Log()[0];
    EXPECT_EQ(box.kind, "message box");
    EXPECT_EQ(box.text, "请输入一个在1与100之间的整数");
    EXPECT_EQ(box.result, IDOK);
    EXPECT_FALSE(box.byScript);
    EXPECT_EQ(box.note, "the script's next action is not an answer");
    EXPECT_NE(box.Describe().find("(default"), std::string::npos);
    // The next action still reached its control after the box.
    EXPECT_EQ(dlg.nameAtClose, "梁");
    EXPECT_EQ(dlg.widthAtClose, "10");
}

class CDisablingDlg : public CBasicDlg {
    BOOL OnInitDialog() override {
        CBasicDlg::OnInitDialog();
        GetDlgItem(IDC_HEIGHT)->EnableWindow(FALSE);
        return TRUE;
    }
};



// A refused action is never applied; the run ends at once, without OnCancel, with the error naming
// the line and the control.
TEST_F(UserScriptTest, RefusedActionsStopTheRun) {
    struct Case {
        const char* name;
        UserScript script;
        const char* error;
    } cases[] = {
        {"disabled", UserScript().Set(IDC_NAME, "x").Set(IDC_HEIGHT, "5"), "line 2: set 1003 5: control 1003 is disabled"},
        {"hidden", UserScript().Click(IDOK), "line 1: click 1: control 1 is hidden"},
        {"missing", UserScript().Click(4711), "has no control 4711"},
        {"read-only", UserScript().Set(IDC_READONLY, "1"), "control 1019 is read-only"},
        {"digits", UserScript().Set(IDC_DIGITS, "1.5"), "control 1020 takes digits only"},
        {"no scrolling", UserScript().Set(IDC_NARROW, "12345"), "does not fit control 1021"},
        {"no item", UserScript().Choose(IDC_GRADE, "C99"), "control 1011 has no item with that text"},
        {"drop-down list", UserScript().Set(IDC_GRADE, "C20"), "control 1011 is a drop-down list"},
        {"radio off", UserScript().Click(IDC_RADIO_A).Check(IDC_RADIO_A, false), "unchecked by choosing another radio button"},
        {"push button checked", UserScript().Check(IDC_APPLY, true), "control 1004 is not a check box"},
        {"answer without box", UserScript().Answer(IDYES), "has no such button to press"},
        {"answer not offered", UserScript().Set(IDC_WIDTH, "0").Answer(IDYES), u8"the message box offers 确定"},
        {"tab", UserScript().Tab("计算书"), "has no such tab"},
        {"row", UserScript().Row(IDC_ITEMS, 0), "control 1014 (ListBox) does not take this action"},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        InteractionLog::Instance().Clear();
        qelt::ScopedUserScript installed(c.script);
        CDisablingDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        ASSERT_TRUE(c.script.Failed());
        EXPECT_NE(c.script.Error().find(c.error), std::string::npos) << c.script.Error();
        EXPECT_FALSE(dlg.cancelled);
    }
}

TEST_F(UserScriptTest, DisabledControlKeepsItsText) {
    UserScript script;
    script.Set(IDC_HEIGHT, "5");
    qelt::ScopedUserScript installed(script);
    CDisablingDlg dlg;
    dlg.DoModal();
    EXPECT_NE(script.Error().find("control 1003 is disabled"), std::string::npos);
    EXPECT_TRUE(dlg.events.empty());
}

// A kill-focus handler that keeps refusing the box it guards keeps the focus there: the next
// action's click never happens, and the run stops saying so.
TEST_F(UserScriptTest, FocusKeptByAHandlerRefusesTheNextAction) {
    struct CStickyDlg : CBasicDlg {
        CStickyDlg() { width = "0"; }
    } dlg;
    UserScript script;
    script.Set(IDC_WIDTH, "500").Set(IDC_NAME, "x");
    qelt::ScopedUserScript installed(script);
    dlg.DoModal();
    EXPECT_NE(script.Error().find("line 2: set 1001 x: a handler kept the focus elsewhere (on control 1002)"),
              std::string::npos)
        << script.Error();
    EXPECT_EQ(Log().size(), 2u);  // the message at each attempt to leave the box
}

TEST_F(UserScriptTest, RadioGroupsStayExclusive) {
    UserScript script;
    script.Click(IDC_RADIO_B).Click(IDC_RADIO_Y).Check(IDC_RADIO_C, true).Check(IDC_RADIO_C, true);
    qelt::ScopedUserScript installed(script);
    struct CRadioDlg : CBasicDlg {
        std::vector<UINT> checked;
        void OnCancel() override {
            for (int id = IDC_RADIO_A; id <= IDC_RADIO_Y; ++id) checked.push_back(IsDlgButtonChecked(id));
            CBasicDlg::OnCancel();
        }
    } dlg;
    dlg.DoModal();
    EXPECT_FALSE(script.Failed()) << script.Error();
    // A, B, C form one group, X and Y another; checking C again clicks nothing.
    EXPECT_EQ(dlg.checked, (std::vector<UINT>{0, 0, 1, 0, 1}));
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"radio 1006", "radio 1009", "radio 1007"}));
}

TEST_F(UserScriptTest, ComboChoicesAndTyping) {
    UserScript script;
    script.Choose(IDC_GRADE, "C25").Set(IDC_GAMMA, "1.05").Choose(IDC_GAMMA, "1.1");
    qelt::ScopedUserScript installed(script);
    CBasicDlg dlg;
    dlg.DoModal();
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(dlg.gradeAtClose, 1);
    EXPECT_EQ(dlg.gammaAtClose, "1.1");
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"grade selchange", "gamma editchange", "gamma kill"}));
}

// A handler opens a modal dialog; the script answers it, and leaves it unanswered once: then it
// takes its default button and the action goes on to the dialog beneath.
TEST_F(UserScriptTest, ModalDialogFromHandlerAnsweredByScript) {
    UserScript script;
    script.Click(IDC_OPEN).Answer(IDYES).Click(IDC_OPEN).Answer(IDNO).Click(IDC_OPEN).Set(IDC_NAME, "x").Close();
    qelt::ScopedUserScript installed(script);
    CBasicDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(dlg.promptResults, (std::vector<INT_PTR>{IDOK, IDCANCEL, IDOK}));
    EXPECT_EQ(dlg.nameAtClose, "x");
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_EQ(Log()[0].kind, "dialog");
    EXPECT_EQ(Log()[0].caption, "提示");
    EXPECT_EQ(Log()[0].answer, "是");
    EXPECT_EQ(Log()[0].note, "the script's next action is for another dialog");
    EXPECT_TRUE(dlg.cancelled);
}

// Actions reach the innermost dialog that holds the control: the page's own button before the
// host dialog's button of the same id.
class CPage : public CDialog {
public:
    int clicks = 0;
    CPage() : CDialog(IDD_PAGE) {}

protected:
    afx_msg void OnApply() { ++clicks; }
    void OnOK() override {}
    void OnCancel() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPage, CDialog)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

class CHost : public CDialog {
public:
    CPage page;
    int clicks = 0;
    CString pageValue;
    CHost() : CDialog(IDD_HOST) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        page.Create(IDD_PAGE, this);
        return TRUE;
    }
    afx_msg void OnApply() { ++clicks; }
    void OnCancel() override {
        page.GetDlgItemText(IDC_PAGE_VALUE, pageValue);
        CDialog::OnCancel();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHost, CDialog)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

TEST_F(UserScriptTest, ActionsReachTheCurrentPageFirst) {
    UserScript script;
    script.Click(IDC_APPLY).Set(IDC_PAGE_VALUE, "7");
    qelt::ScopedUserScript installed(script);
    CHost host;
    host.DoModal();
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(host.page.clicks, 1);
    EXPECT_EQ(host.clicks, 0);
    EXPECT_EQ(host.pageValue, "7");
}

// The basic dialog with the ways a page turns down a value: the height box rewrites its number with
// two decimals and puts 0 in place of a text that is none; the name box asks about "?" and empties
// itself on "否"; the grade list goes back to C20 when left on C30; "应用" exchanges the narrow box
// as a whole number.
class CCheckingDlg : public CBasicDlg {
public:
    int narrow = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CBasicDlg::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_NARROW, narrow);
    }
    afx_msg void OnHeightLeft() {
        CString text;
        GetDlgItemText(IDC_HEIGHT, text);
        char* end = nullptr;
        const double value = std::strtod(text, &end);
        CString shown;
        shown.Format("%.2f", *end ? 0.0 : value);
        SetDlgItemText(IDC_HEIGHT, shown);
    }
    afx_msg void OnNameLeft() {
        CString text;
        GetDlgItemText(IDC_NAME, text);
        if (text == "?" && AfxMessageBox("名称未定，是否保留?", MB_YESNO) == IDNO) SetDlgItemText(IDC_NAME, "");
    }
    afx_msg void OnGradeLeft() {
        CComboBox* grade = static_cast<CComboBox*>(GetDlgItem(IDC_GRADE));
        if (grade->GetCurSel() == 2) grade->SetCurSel(0);
    }
    afx_msg void OnApply() { UpdateData(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCheckingDlg, CBasicDlg)
    ON_EN_KILLFOCUS(IDC_HEIGHT, OnHeightLeft)
    ON_EN_KILLFOCUS(IDC_NAME, OnNameLeft)
    ON_CBN_KILLFOCUS(IDC_GRADE, OnGradeLeft)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

qelt::UserAction Pointer(int id, int what) {
    qelt::UserAction action;
    action.kind = qelt::UserAction::Kind::Mouse;
    action.controlId = id;
    action.number = what;
    action.x = action.y = 3;
    return action;
}

qelt::UserAction Key(const char* name) {
    qelt::UserAction action;
    action.kind = qelt::UserAction::Kind::Key;
    action.number = qelt::KeyCode(name);
    return action;
}

qelt::UserAction Typed(const char* text) {
    qelt::UserAction action;
    action.kind = qelt::UserAction::Kind::Type;
    action.text = text;
    return action;
}

// A script that stops at refused values fails on the first value the page did not take as it was
// entered (a notice shown, the value replaced, a data exchange refusing it), naming its line, the
// control, the page's message and what the control holds; the same number written another way and a
// question answered to keep the value are taken.
TEST_F(UserScriptTest, ValuesThePageRefusesStopTheScript) {
    struct Case {
        const char* name;
        UserScript script;
        const char* error;  // "" for a script that is not stopped
    } cases[] = {
        {"notice", UserScript().Set(IDC_WIDTH, "500").Set(IDC_NAME, "x"),
         u8"line 1: set 1002 500: the page refused the value: \"请输入一个在1与100之间的整数\"; control 1002 holds \"10\""},
        {"notice answered", UserScript().Set(IDC_WIDTH, "500").Answer(IDOK), u8"line 1: set 1002 500: the page refused"},
        {"replaced silently", UserScript().Set(IDC_HEIGHT, "abc"),
         "line 1: set 1003 abc: the page refused the value; control 1003 holds \"0.00\""},
        {"another format of the number", UserScript().Set(IDC_HEIGHT, "6e2").Set(IDC_WIDTH, "50"), ""},
        {"question kept", UserScript().Set(IDC_NAME, "?").Answer(IDYES), ""},
        {"question declined", UserScript().Set(IDC_NAME, "?").Answer(IDNO),
         u8"line 1: set 1001 ?: the page refused the value: \"名称未定，是否保留?\"; control 1001 holds \"\""},
        {"choice put back on leaving", UserScript().Choose(IDC_GRADE, "C30").Set(IDC_NAME, "x"),
         "line 1: choose 1011 C30: the page refused the value; control 1011 holds \"C20\""},
        {"typed and left", UserScript().Add(Pointer(IDC_WIDTH, qelt::UserAction::kDown)).Add(Typed("7")).Add(Key("VK_TAB")),
         u8"line 2: type 7: the page refused the value: \"请输入一个在1与100之间的整数\"; control 1002 holds \"10\""},
        {"exchange refused", UserScript().Set(IDC_NARROW, "x1").Click(IDC_APPLY),
         u8"line 1: set 1021 x1: the page refused the value: \"请输入一个整数。\"; control 1021 holds \"x1\""},
        {"all taken", UserScript().Set(IDC_WIDTH, "50").Choose(IDC_GRADE, "C25").Check(IDC_SHOW_ALL, true).Set(IDC_NARROW, "7").Click(IDC_APPLY), ""},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        InteractionLog::Instance().Clear();
        c.script.StopAtRefusedValues(true);
        qelt::ScopedUserScript installed(c.script);
        CCheckingDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        if (*c.error == '\0') {
            EXPECT_FALSE(c.script.Failed()) << c.script.Error();
            continue;
        }
        ASSERT_TRUE(c.script.PageRefusal());
        EXPECT_EQ(c.script.Error().find(c.error), 0u) << c.script.Error();
        EXPECT_FALSE(dlg.cancelled) << "the run ends at once";
    }
}

// "controls" lists what a script can reach: id, kind, label, value and state.
TEST_F(UserScriptTest, ControlsListsTheDialogsControls) {
    UserScript script;
    script.Choose(IDC_GRADE, "C25");
    qelt::UserAction list;
    list.kind = qelt::UserAction::Kind::Controls;
    script.Add(list);
    qelt::ScopedUserScript installed(script);
    CDisablingDlg dlg;
    dlg.DoModal();
    ASSERT_FALSE(script.Failed()) << script.Error();
    ASSERT_EQ(Log().front().kind, "controls");
    const std::string lines = Log().front().Describe();
    for (const char* line : {u8"controls of \"基本对话框\":\n", u8"1001\tedit\t\"名称\"\t\"\"\tenabled\n",
                             "1003\tedit\t\"\"\t\"\"\tdisabled\n", u8"1005\tradio button\t\"甲\"\t\"off\"\tenabled\n",
                             "1021\tedit\t\"\"\t\"\"\tenabled\n",
                             u8"1010\tcheck box\t\"全部显示\"\t\"off\"\tenabled\n",
                             "1011\tdrop-down list\t\"\"\t\"C25\"\tenabled\n", "1012\tcombo box\t",
                             "1014\tlist box\t", u8"1004\tbutton\t\"应用\"\t\"\"\tenabled"})
        EXPECT_NE(lines.find(line), std::string::npos) << line << "\n" << lines;
    EXPECT_EQ(lines.find("\n1\t"), std::string::npos) << "the hidden button is left out";
}

}  // namespace
