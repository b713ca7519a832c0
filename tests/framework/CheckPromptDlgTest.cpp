#include <gtest/gtest.h>

#include "Printers.h"
#include "TestCommand.h"
#include "framework/CheckPromptDlg.h"
#include "resources/FrameworkResource.h"

namespace {

// The prompt as the engineer sees it when it opens.
class CSeenPrompt : public CCheckPromptDlg {
public:
    BOOL OnInitDialog() override
    {
        BOOL bResult = CCheckPromptDlg::OnInitDialog();
        m_strSeenQuestion = ControlText(*this, IDC_PROMPT_QUESTION);
        m_strSeenMessage = ControlText(*this, IDC_PROMPT_MESSAGE);
        m_bYesNoShown = (m_btnYes.GetStyle() & WS_VISIBLE) && (m_btnNo.GetStyle() & WS_VISIBLE);
        m_bOKShown = (m_btnOK.GetStyle() & WS_VISIBLE) != 0;
        return bResult;
    }

    CString m_strSeenQuestion;
    CString m_strSeenMessage;
    bool m_bYesNoShown = false;
    bool m_bOKShown = false;
};

TEST(CheckPrompt, ModesShowTheirQuestionAndButtons)
{
    enum Action { kYes, kNo, kOk, kAcknowledge, kClose };
    const struct {
        int mode;
        Action action;
        const char* question;
        bool yesNo;
        INT_PTR result;
    } cases[] = {
        {CHECK_PROMPT_ASK, kYes, "是否返回修改", true, IDOK},
        {CHECK_PROMPT_ASK, kNo, "是否返回修改", true, IDCANCEL},
        {CHECK_PROMPT_ASK, kClose, "是否返回修改", true, IDCANCEL},
        {CHECK_PROMPT_ERRORS, kOk, "请返回修改!", false, IDCANCEL},
        {CHECK_PROMPT_ERRORS, kClose, "请返回修改!", false, IDCANCEL},
        {CHECK_PROMPT_NOTICE, kAcknowledge, "", false, IDCANCEL},
        {7, kOk, "", false, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " action " << c.action);
        qelt::UserScript script;
        switch (c.action) {
        case kYes: script.Answer(IDYES); break;
        case kNo: script.Answer(IDNO); break;
        case kOk: script.Answer(IDOK); break;
        case kAcknowledge: script.Click(IDC_PROMPT_ACKNOWLEDGE); break;
        case kClose: script.Close(); break;
        }
        qelt::ScopedUserScript scope(script);
        CSeenPrompt prompt;
        prompt.m_nMode = c.mode;
        prompt.m_strMessage = "1.  梁高不应小于100mm\r\n";
        EXPECT_EQ(c.result, prompt.DoModal());
        EXPECT_FALSE(script.Failed()) << script.Error();
        EXPECT_EQ(CString(c.question), prompt.m_strSeenQuestion);
        EXPECT_EQ(CString("1.  梁高不应小于100mm\r\n"), prompt.m_strSeenMessage);
        EXPECT_EQ(c.yesNo, prompt.m_bYesNoShown);
        EXPECT_EQ(!c.yesNo, prompt.m_bOKShown);
    }
}

TEST(CheckPrompt, MessageCannotBeChanged)
{
    qelt::UserScript script;
    script.Set(IDC_PROMPT_MESSAGE, "改");
    qelt::ScopedUserScript scope(script);
    CSeenPrompt prompt;
    prompt.m_nMode = CHECK_PROMPT_NOTICE;
    prompt.m_strMessage = "请输入一个在0与1之间的实数";
    prompt.DoModal();
    EXPECT_TRUE(script.Failed());
    EXPECT_EQ(CString("请输入一个在0与1之间的实数"), prompt.m_strSeenMessage);
}

TEST(CheckPrompt, UnansweredPromptIsLoggedWithItsDefault)
{
    qelt::InteractionLog::Instance().Clear();
    qelt::UserScript script;
    qelt::ScopedUserScript scope(script);
    CCheckPromptDlg prompt;
    prompt.m_nMode = CHECK_PROMPT_ERRORS;
    prompt.m_strMessage = "1.  梁高不应小于100mm\r\n";
    EXPECT_EQ(IDCANCEL, prompt.DoModal());

    std::vector<qelt::InteractionEntry> prompts = PromptsShown();
    ASSERT_EQ(1u, prompts.size());
    EXPECT_EQ(CString("QELT构件计算提示您"), prompts[0].caption);
    EXPECT_EQ(CString("1.  梁高不应小于100mm\r\n\r\n请返回修改!"), prompts[0].text);
    EXPECT_FALSE(prompts[0].byScript);
    EXPECT_EQ(CString("确定(&O)"), prompts[0].answer);
}

}  // namespace
