// A command's pages in a work dialog, run under a user script as a person uses them. A fixture
// names its pages (AddPages) and its parameter object (Param); the object and the pages keep what
// the session left in them.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "framework/CaltWorkDlg.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "resources/FrameworkResource.h"
#include "TempStore.h"

class WorkSession : public testing::Test {
protected:
    void SetUp() override { qelt::InteractionLog::Instance().Clear(); }

    virtual void AddPages(CCaltWorkDlg& work) = 0;
    virtual CVuskParam& Param() = 0;

    // Runs the script; bRefused: an action of it is expected to be refused (a disabled control).
    void Run(qelt::UserScript& script, bool bRefused = false) {
        CCaltWorkDlg work;
        AddPages(work);
        work.SetParam(&Param());
        qelt::ScopedUserScript installed(script);
        work.Show(IDD_CALT_WORK);
        EXPECT_EQ(script.Failed(), bRefused) << script.Error();
    }

    // The texts of the log's entries of a kind ("prompt", "message box").
    static std::vector<CString> Texts(const char* pszKind) {
        std::vector<CString> texts;
        for (const auto& entry : qelt::InteractionLog::Instance().Entries())
            if (entry.kind == pszKind) texts.push_back(entry.text);
        return texts;
    }

    // A box of a page, the message that refuses a bad text in it and the value the box keeps.
    struct RefusedBox {
        UINT nID;
        const char* pszMessage;
        const char* pszKept;
    };

    // Each text typed into each box in turn, and the box read back after each.
    static void TypeIntoEach(qelt::UserScript& script, const std::vector<RefusedBox>& boxes,
                             const std::vector<const char*>& texts) {
        for (const RefusedBox& box : boxes)
            for (const char* pszText : texts) {
                qelt::UserAction read;
                read.kind = qelt::UserAction::Kind::Read;
                read.controlId = box.nID;
                script.Set(box.nID, pszText).Add(read);
            }
    }

    // After TypeIntoEach's run: the box's message for each text, and the box's own value back.
    static void ExpectEachRefused(const std::vector<RefusedBox>& boxes, const std::vector<const char*>& texts) {
        const std::vector<CString> messages = Texts("message box");
        const std::vector<CString> reads = Texts("read");
        ASSERT_EQ(boxes.size() * texts.size(), messages.size());
        ASSERT_EQ(boxes.size() * texts.size(), reads.size());
        for (size_t k = 0; k < messages.size(); ++k) {
            const RefusedBox& box = boxes[k / texts.size()];
            EXPECT_EQ(CString(box.pszMessage), messages[k]) << box.nID << " " << texts[k % texts.size()];
            EXPECT_EQ(CString(box.pszKept), reads[k]) << box.nID << " " << texts[k % texts.size()];
        }
    }

    TempStore m_store;
};
