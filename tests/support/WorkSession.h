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

    TempStore m_store;
};
