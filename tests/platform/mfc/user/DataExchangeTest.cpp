#include <gtest/gtest.h>

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

// An edit control of the module's kind: it hears its own changes through reflection.
class CCountingEdit : public CEdit {
public:
    int changes = 0;

protected:
    afx_msg void OnChange() { ++changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CEdit)
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

class CDataDlg : public CDialog {
public:
    CDataDlg() : CDialog(IDD_BASIC) {}

    int m_width = 10;
    double m_height = 3.5;
    CString m_name = "梁";
    int m_radio = 1;
    int m_showAll = BST_CHECKED;
    CString m_grade = "C3";   // selects "C30", the first item that begins with it
    CString m_gamma = "1.05"; // not in the list: goes into the edit field
    CCountingEdit m_nameEdit;

    std::vector<BOOL> results;
    std::vector<int> focusAfter;
    CString gradeText, gammaText;
    int radioAtInit = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_NAME, m_nameEdit);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, 8);
        DDX_Text(pDX, IDC_WIDTH, m_width);
        DDV_MinMaxInt(pDX, m_width, 1, 100);
        DDX_Text(pDX, IDC_HEIGHT, m_height);
        DDV_MinMaxDouble(pDX, m_height, 0.5, 12.5);
        DDX_Radio(pDX, IDC_RADIO_A, m_radio);
        DDX_Check(pDX, IDC_SHOW_ALL, m_showAll);
        DDX_CBString(pDX, IDC_GRADE, m_grade);
        DDX_CBStringExact(pDX, IDC_GAMMA, m_gamma);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        GetDlgItemText(IDC_GRADE, gradeText);
        GetDlgItemText(IDC_GAMMA, gammaText);
        radioAtInit = GetCheckedRadioButton(IDC_RADIO_A, IDC_RADIO_C);
        return TRUE;
    }
    afx_msg void OnApply() {
        results.push_back(UpdateData(TRUE));
        focusAfter.push_back(GetFocus() ? GetFocus()->GetDlgCtrlID() : 0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataDlg, CDialog)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

TEST(DataExchange, LoadsTheControls) {
    CDataDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.gradeText, "C30");
    EXPECT_EQ(dlg.gammaText, "1.05");
    EXPECT_EQ(dlg.radioAtInit, IDC_RADIO_B);
    EXPECT_EQ(dlg.m_nameEdit.m_hWnd, nullptr);  // let go when the dialog's window went away
    EXPECT_EQ(dlg.m_nameEdit.changes, 1);       // the loading wrote the name once
}

// A text that does not convert, or a value out of its range, is refused with the class library's
// message; the member keeps its value and the focus goes to the control.
TEST(DataExchange, RefusesWhatDoesNotConvert) {
    struct Case {
        const char* width;
        const char* height;
        const char* name;
        const char* message;  // empty: accepted
    } cases[] = {
        {"abc", "2", "b", "请输入一个整数。"},
        {"12x", "2", "b", "请输入一个整数。"},
        {"", "2", "b", "请输入一个整数。"},
        {"99999999999", "2", "b", "请输入一个整数。"},
        {"500", "2", "b", "请输入一个介于 1 和 100 之间的整数。"},
        {"-5", "2", "b", "请输入一个介于 1 和 100 之间的整数。"},  // a negative number converts
        {"42", "1.2.3", "b", "请输入一个数字。"},
        {"42", "13", "b", "请输入一个介于 0.5 和 12.5 之间的数字。"},
        {" 42 ", "2.25", "柱-2", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width + std::string(" / ") + c.height);
        InteractionLog::Instance().Clear();
        UserScript script;
        script.Set(IDC_NAME, c.name).Set(IDC_WIDTH, c.width).Set(IDC_HEIGHT, c.height).Click(IDC_APPLY);
        qelt::ScopedUserScript installed(script);
        CDataDlg dlg;
        dlg.DoModal();
        ASSERT_FALSE(script.Failed()) << script.Error();
        ASSERT_EQ(dlg.results.size(), 1u);
        const bool accepted = *c.message == '\0';
        EXPECT_EQ(dlg.results[0], accepted ? TRUE : FALSE);
        const auto& log = InteractionLog::Instance().Entries();
        if (accepted) {
            EXPECT_EQ(dlg.m_width, 42);
            EXPECT_EQ(dlg.m_height, 2.25);
            EXPECT_EQ(dlg.m_name, "柱-2");
            EXPECT_EQ(log.size(), 1u);  // only the closing at the script's end
            continue;
        }
        ASSERT_GE(log.size(), 1u);
        EXPECT_EQ(log[0].kind, "message box");
        EXPECT_EQ(log[0].text, c.message);
        const bool widthRefused = c.width != std::string("42");
        EXPECT_EQ(dlg.focusAfter[0], widthRefused ? IDC_WIDTH : IDC_HEIGHT);
        // A text that does not convert leaves the member as it was (a value out of range is
        // taken before its range is checked, as the class library does).
        if (std::string(c.message).find("介于") == std::string::npos) {
            EXPECT_EQ(widthRefused ? dlg.m_width : dlg.m_height, widthRefused ? 10 : 3.5);
        }
    }
}

// DDV_MaxChars limits the box when loading, so typing more is refused; a longer text put in by
// the program is refused when saving.
TEST(DataExchange, MaxChars) {
    UserScript script;
    script.Set(IDC_NAME, "123456789");
    {
        qelt::ScopedUserScript installed(script);
        CDataDlg typed;
        typed.DoModal();
    }
    EXPECT_NE(script.Error().find("control 1001 takes at most 8 bytes"), std::string::npos) << script.Error();

    InteractionLog::Instance().Clear();
    CDataDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_BASIC));
    dlg.SetDlgItemText(IDC_NAME, "123456789");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    ASSERT_EQ(InteractionLog::Instance().Entries().size(), 1u);
    EXPECT_EQ(InteractionLog::Instance().Entries()[0].text, "请输入不超过 8 个字符。");
}

TEST(DataExchange, SavesChoices) {
    UserScript script;
    script.Set(IDC_WIDTH, "7").Click(IDC_RADIO_C).Check(IDC_SHOW_ALL, false).Choose(IDC_GRADE, "C20").Set(IDC_GAMMA, "1.2").Click(IDC_APPLY);
    qelt::ScopedUserScript installed(script);
    CDataDlg dlg;
    dlg.DoModal();
    ASSERT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(dlg.results, std::vector<BOOL>{TRUE});
    EXPECT_EQ(dlg.m_width, 7);
    EXPECT_EQ(dlg.m_radio, 2);
    EXPECT_EQ(dlg.m_showAll, BST_UNCHECKED);
    EXPECT_EQ(dlg.m_grade, "C20");
    EXPECT_EQ(dlg.m_gamma, "1.2");
}

}  // namespace
