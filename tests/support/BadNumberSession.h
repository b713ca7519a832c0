// A member check's page in its work dialog, given the numbers no calculation may take in every box:
// each is refused by the box's range message and a valid number put back, and the reports of the
// calculation that follows read as numbers.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BadNumbers.h"
#include "MemberPageFixture.h"
#include "ReportRows.h"
#include "host/Numbers.h"

// A control of a page that holds a number, with the bounds of the numbers it takes.
struct NumberBox {
    UINT nID;
    double dLower, dUpper;
    bool bDigitsOnly = false;
};

// A state of a page: the actions that bring it there (choices, a mode) from the state the page was
// left in by the state before, and the boxes it enables.
struct PageState {
    const char* pszName;
    std::function<void(qelt::UserScript&)> prepare;
    std::vector<NumberBox> boxes;
};

// A member check's page in its work dialog: every bad text typed into every box of a state.
template <class TPage, class TParam>
class BadNumberSession : public MemberSessionTest<TPage, TParam> {
protected:
    // For each box of the state and each bad text: the text typed, the range message with the box's
    // bounds acknowledged, a number within the bounds in the box again. Then "计算" calculates on
    // the numbers put back, and both reports read as numbers.
    void TypeBadNumbers(const PageState& state) {
        SCOPED_TRACE(state.pszName);
        qelt::InteractionLog::Instance().Clear();
        std::vector<CString> expected;
        qelt::UserScript script;
        state.prepare(script);
        for (const NumberBox& box : state.boxes) {
            for (const char* pszText : box.bDigitsOnly ? BadDigitTexts() : BadNumberTexts()) {
                script.Set(box.nID, pszText).Click(IDC_PROMPT_ACKNOWLEDGE);
                qelt::UserAction snap;
                snap.kind = qelt::UserAction::Kind::Snap;
                snap.text.Format("%u", box.nID);
                script.Add(snap);
                CString strMessage;
                strMessage.Format("请输入一个在%s与%s之间的实数", (LPCTSTR)ftos(box.dLower), (LPCTSTR)ftos(box.dUpper));
                expected.push_back(strMessage);
            }
        }
        script.Click(IDC_WORK_CALCULATE).Close();
        script.SetSnapHandler(
            [&state](HWND hDialog, const std::string& name) {
                const UINT nID = static_cast<UINT>(std::atoi(name.c_str()));
                for (const NumberBox& box : state.boxes) {
                    if (box.nID != nID) continue;
                    CWnd* pBox = FindControl(CWnd::FromHandle(hDialog), nID);
                    if (!pBox) return "no control " + name;
                    CString strText;
                    pBox->GetWindowText(strText);
                    double dValue = 0;
                    EXPECT_TRUE(CheckDouble(strText, dValue, box.dUpper, box.dLower))
                        << "box " << nID << " shows " << strText;
                }
                return std::string();
            },
            "");
        this->Run(script);
        std::vector<CString> prompts = this->Texts("prompt");
        EXPECT_EQ(prompts, expected);
        ASSERT_GT(this->m_param.wordC.GetRowCount(), 0) << "nothing was calculated";
        EXPECT_TRUE(ReadsAsNumbers(ReportRows(this->m_param.wordC)));
        EXPECT_TRUE(ReadsAsNumbers(ReportRows(this->m_param.wordS)));
    }

    // A value that never passed a box (the store's) is refused when "计算" is clicked: the box's range
    // message, then the error that stops the calculation; nothing is calculated.
    void CalculateStoredValue(const NumberBox& box) {
        qelt::InteractionLog::Instance().Clear();
        qelt::UserScript script;
        script.Click(IDC_WORK_CALCULATE).Click(IDC_PROMPT_ACKNOWLEDGE).Click(IDC_PROMPT_ACKNOWLEDGE).Close();
        this->Run(script);
        CString strMessage;
        strMessage.Format("请输入一个在%s与%s之间的实数", (LPCTSTR)ftos(box.dLower), (LPCTSTR)ftos(box.dUpper));
        EXPECT_EQ(this->Texts("prompt"),
                  (std::vector<CString>{strMessage, CString("1.  输入数据超出允许范围。\r\n\r\n请返回修改!")}));
        EXPECT_EQ(this->m_param.wordC.GetRowCount(), 0);
    }
};
