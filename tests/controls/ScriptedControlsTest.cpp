// The controls' test dialog run by a person written as a script in the host program's language.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ControlsTestDlg.h"
#include "host/app/ScriptFile.h"
#include "mfc/InteractionLog.h"
#include "mfc/UserScript.h"
#include "resources/ControlsTestResource.h"
#include "Printers.h"

namespace {

class ScriptedControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qelt::InteractionLog::Instance().Clear();
        m_loads.Add("均布");
        m_loads.Add("集中");
        m_loads.Add("三角形");
        m_dialog.m_grid.setColModifyType(1, EDITCMB_EDIT, nullptr, "");
        m_dialog.m_grid.setColModifyType(2, EDITCMB_LIST, &m_loads, "");
    }

    // Runs the dialog under the script; the script's error, empty when it went through.
    std::string Run(const char* utf8) {
        qelt::app::ParsedScript parsed = qelt::app::ParseScript(utf8);
        EXPECT_TRUE(parsed.ok) << parsed.error;
        qelt::UserScript script;
        for (const qelt::UserAction& action : parsed.actions) script.Add(action);
        qelt::ScopedUserScript installed(script);
        m_dialog.DoModal();
        return script.Error();
    }

    bool Saw(const std::string& event) const {
        return std::find(m_dialog.m_events.begin(), m_dialog.m_events.end(), event) != m_dialog.m_events.end();
    }

    std::vector<std::string> Reads() const {
        std::vector<std::string> reads;
        for (const qelt::InteractionEntry& entry : qelt::InteractionLog::Instance().Entries()) {
            if (entry.kind == "read") reads.push_back(entry.Describe());
        }
        return reads;
    }

    CControlsTestDlg m_dialog;
    CStringArray m_loads;
};

TEST_F(ScriptedControlsTest, APersonEditsTheGridAndUsesTheMenuTreeAndCombo) {
    m_dialog.m_handFocusToTree = true;
    const std::string error = Run(
        u8"cell 7103 1 0 7.5\n"
        u8"cell 7103 2 1 集中\n"
        u8"cell 7103 1 2\n"
        u8"type 4.2\n"
        u8"key VK_TAB\n"
        u8"key VK_ESCAPE\n"
        u8"read 7103\n"
        u8"mouse 7102 rdown 10 30\n"
        u8"mouse 7102 rup 10 30\n"
        u8"menu 删除跨\n"
        u8"pick 7105 楼梯/梁式楼梯\n"
        u8"choose 7106 #2\n"
        u8"row 7102 2\n"
        u8"read 7101\n");
    EXPECT_EQ(error, "");
    EXPECT_TRUE(Saw("grid commit 1,0"));
    EXPECT_TRUE(Saw("grid commit 2,1"));
    EXPECT_TRUE(Saw("grid current 2,2")) << "Tab went on to the next cell";
    EXPECT_TRUE(Saw("menu shown"));
    EXPECT_TRUE(Saw("menu command 7112"));
    EXPECT_TRUE(Saw("tree 梁式楼梯"));
    EXPECT_TRUE(Saw("kind 2"));
    EXPECT_EQ(m_dialog.m_reportSelection, 2) << "the row is chosen though the list hands its focus on";
    EXPECT_EQ(Reads(), (std::vector<std::string>{u8"7103 1\t7.5\t均布\n2\t6.0\t集中\n3\t4.2\t均布", u8"7101 "}));
}

TEST_F(ScriptedControlsTest, ALineThatCannotBeCarriedOutFailsWithItsNumber) {
    struct Case {
        const char* script;
        const char* error;
    };
    const std::vector<Case> cases = {
        {"cell 7101 0 0 x\n", "line 1: cell 7101 0 0 x: control 7101 (Edit) does not take this action"},
        {"cell 7103 0 0 x\n", "opens no editor"},
        {"cell 7103 5 0 x\n", "list 7103 has no cell 5,0"},
        {u8"menu 删除跨\n", "no popup menu is shown"},
        {u8"mouse 7102 rdown 10 30\nmouse 7102 rup 10 30\nmenu 清空\n", "line 3: menu"},
        {u8"pick 7105 楼梯/螺旋楼梯\n", "tree 7105 has no item"},
        {"choose 7106 #3\n", "has no item #3"},
        {"mouse 7102 down 999 5\n", "lies outside control 7102"},
        {"read 9999\n", "has no control 9999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const std::string error = Run(c.script);
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST_F(ScriptedControlsTest, ThePointerTogglesAChecksAndTheWheelClosesTheEditor) {
    m_dialog.m_grid.SetCellCheck(0, 1, 0);
    m_dialog.m_gridRows = 12;
    const std::string error = Run(
        "cell 7103 0 1\n"
        "cell 7103 1 0\n"
        "type 9\n"
        "mouse 7103 wheel 20 30\n"
        "read 7103\n");
    EXPECT_EQ(error, "");
    EXPECT_EQ(m_dialog.m_grid.GetCellCheck(0, 1), 1);
    ASSERT_EQ(Reads().size(), 1u);
    EXPECT_EQ(Reads()[0].rfind(u8"7103 1\t9\t均布\n", 0), 0u) << "the wheel committed the editor";
    EXPECT_TRUE(Saw("grid commit 0,1"));
    EXPECT_TRUE(Saw("grid commit 1,0"));
}

}  // namespace
