#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "Printers.h"
#include "host/VuskDlg.h"
#include "resources/HostResource.h"

namespace {

class ControlsPage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create(IDD_HOST_CONTROLS)); }
    CVuskDlg m_dlg{IDD_HOST_CONTROLS};
};

TEST_F(ControlsPage, TextsAndNumbersByControlId) {
    m_dlg.SetEditText(IDC_HOST_EDIT, 2.50);
    EXPECT_EQ(m_dlg.GetEditText(IDC_HOST_EDIT), "2.5");
    m_dlg.SetEditText(IDC_HOST_EDIT, 7);
    EXPECT_EQ(m_dlg.GetEditText(IDC_HOST_EDIT), "7");
    m_dlg.SetEditText(IDC_HOST_EDIT, "L-1");
    EXPECT_EQ(m_dlg.GetEditText(IDC_HOST_EDIT), "L-1");

    m_dlg.SetStaticText(IDC_HOST_LABEL, 0.1 + 0.2);
    CString label;
    m_dlg.GetDlgItem(IDC_HOST_LABEL)->GetWindowText(label);
    EXPECT_EQ(label, "0.3");

    m_dlg.SetCheckData(IDC_HOST_CHECK, BST_CHECKED);
    EXPECT_EQ(m_dlg.GetCheckData(IDC_HOST_CHECK), BST_CHECKED);
    m_dlg.SetCheckData(IDC_HOST_CHECK, BST_UNCHECKED);
    EXPECT_EQ(m_dlg.GetCheckData(IDC_HOST_CHECK), BST_UNCHECKED);

    m_dlg.SetWindowTextA("矩形板计算");
    CString caption;
    m_dlg.GetWindowText(caption);
    EXPECT_EQ(caption, "矩形板计算");
}

TEST_F(ControlsPage, ComboBoxChoices) {
    enum Form { Text, Double, Int };
    struct Case {
        UINT id;
        Form form;
        const char* text;
        double number;
        BOOL result;
        const char* shown;
    } cases[] = {
        {IDC_HOST_GRADE, Text, "C30", 0, TRUE, "C30"},
        {IDC_HOST_GRADE, Text, "c30", 0, FALSE, ""},     // byte for byte
        {IDC_HOST_GRADE, Text, "C35", 0, FALSE, ""},     // not offered: nothing chosen
        {IDC_HOST_GRADE, Int, nullptr, 12, TRUE, "12"},
        {IDC_HOST_GRADE, Double, nullptr, 1.0, FALSE, ""},
        {IDC_HOST_GAMMA, Double, nullptr, 1.0, TRUE, "1.0"},  // the item that is the number
        {IDC_HOST_GAMMA, Double, nullptr, 1.05, TRUE, "1.05"},
        {IDC_HOST_GAMMA, Text, "1.2", 0, TRUE, "1.2"},
        {IDC_HOST_GAMMA, Text, "0.9", 0, TRUE, "0.9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "number");
        m_dlg.SetComboBoxText(c.id, "C20");  // a choice before, so that a refused one shows
        BOOL result = c.form == Text     ? m_dlg.SetComboBoxText(c.id, c.text)
                      : c.form == Double ? m_dlg.SetComboBoxText(c.id, c.number)
                                         : m_dlg.SetComboBoxText(c.id, static_cast<int>(c.number));
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(m_dlg.GetComboBoxText(c.id), c.shown);
    }
}

TEST_F(ControlsPage, AControlThatIsNotThereIsAMisuse) {
    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(m_dlg.GetEditText(9999), "");
    EXPECT_FALSE(m_dlg.SetComboBoxText(IDC_HOST_EDIT, "C30")) << "not a combo box";
    m_dlg.SetCheckData(9999, 1);
    EXPECT_EQ(misuses.Count(), 3);

    CVuskDlg closed(IDD_HOST_CONTROLS);
    EXPECT_EQ(closed.GetComboBoxText(IDC_HOST_GRADE), "");
    EXPECT_EQ(misuses.Count(), 4);
}

}  // namespace
