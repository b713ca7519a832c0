#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ExpectedMisuses.h"
#include "mfc/Afx.h"
#include "mfc/comctl/ComboBoxEx.h"
#include "mfc/person/UserScript.h"
#include "mfc/user/WindowDC.h"
#include "resources/ControlResource.h"
#include "Printers.h"

namespace {

// Load kinds with pictures: the selection changes reach the dialog as the ComboBoxEx's own.
class KindDialog : public CDialog {
public:
    KindDialog() : CDialog(IDD_CTL_COMBOEX) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_kinds.SubclassDlgItem(IDC_CTL_COMBOEX, this);
        m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 1);
        m_kinds.SetImageList(&m_images);
        const char* const names[] = {"集中力", "均布荷载", "三角形荷载"};
        for (int i = 0; i < 3; ++i) {
            COMBOBOXEXITEM item{};
            item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
            item.iItem = -1;
            item.pszText = const_cast<char*>(names[i]);
            item.iImage = i;
            item.iSelectedImage = 10 + i;
            item.lParam = 100 + i;
            EXPECT_EQ(m_kinds.InsertItem(&item), i);
        }
        m_kinds.SetCurSel(1);
        return TRUE;
    }
    void OnCancel() override {
        m_finalSel = m_kinds.GetCurSel();
        m_kinds.GetWindowText(m_finalText);
        CDialog::OnCancel();
    }

    CComboBoxEx m_kinds;
    CImageList m_images;
    std::vector<int> m_changes;
    int m_finalSel = -1;
    CString m_finalText;

protected:
    afx_msg void OnKindChanged() { m_changes.push_back(m_kinds.GetCurSel()); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KindDialog, CDialog)
    ON_CBN_SELCHANGE(IDC_CTL_COMBOEX, OnKindChanged)
END_MESSAGE_MAP()

TEST(ComboBoxEx, APersonsChoiceIsTheComboBoxExsNotification) {
    KindDialog dialog;
    qelt::UserScript script;
    script.Choose(IDC_CTL_COMBOEX, "三角形荷载");
    qelt::ScopedUserScript scoped(script);
    dialog.DoModal();
    EXPECT_FALSE(script.Failed()) << script.Error();
    EXPECT_EQ(dialog.m_changes, std::vector<int>{2});  // SetCurSel in OnInitDialog notified nobody
    EXPECT_EQ(dialog.m_finalSel, 2);
    EXPECT_EQ(dialog.m_finalText, "三角形荷载");
}

// Items that show pictures are chosen by their place.
TEST(ComboBoxEx, APersonChoosesAnItemByItsPlace) {
    KindDialog dialog;
    qelt::UserScript script;
    qelt::UserAction byPlace;
    byPlace.kind = qelt::UserAction::Kind::Choose;
    byPlace.controlId = IDC_CTL_COMBOEX;
    byPlace.byPlace = true;
    byPlace.number = 0;
    script.Add(byPlace);
    byPlace.number = 3;
    script.Add(byPlace);
    qelt::ScopedUserScript scoped(script);
    dialog.DoModal();
    EXPECT_EQ(dialog.m_changes, std::vector<int>{0});
    EXPECT_TRUE(script.Failed());
    EXPECT_NE(script.Error().find("line 2: choose 3007 #3: control 3007 has no item #3 (it has 3)"), std::string::npos)
        << script.Error();
}

TEST(ComboBoxEx, ItemsKeepTheirImagesThroughDeletionAndRenaming) {
    KindDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_CTL_COMBOEX));
    CComboBoxEx& kinds = dialog.m_kinds;
    EXPECT_EQ(kinds.GetCount(), 3);
    EXPECT_EQ(kinds.GetImageList(), &dialog.m_images);
    ASSERT_NE(kinds.GetComboBoxCtrl(), nullptr);
    EXPECT_EQ(kinds.GetComboBoxCtrl()->GetCount(), 3);

    EXPECT_EQ(kinds.DeleteItem(0), 2);
    char text[16];
    COMBOBOXEXITEM item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
    item.iItem = -1;  // the selected one, "均布荷载", now item 0
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(kinds.GetItem(&item));
    EXPECT_STREQ(text, "均布荷载");
    EXPECT_EQ(item.iImage, 1);
    EXPECT_EQ(item.iSelectedImage, 11);
    EXPECT_EQ(item.lParam, 101);

    COMBOBOXEXITEM rename{};
    rename.mask = CBEIF_TEXT | CBEIF_IMAGE;
    rename.iItem = 0;
    rename.pszText = const_cast<char*>("梯形荷载");
    rename.iImage = 5;
    ASSERT_TRUE(kinds.SetItem(&rename));
    EXPECT_EQ(kinds.GetCurSel(), 0);
    EXPECT_EQ(kinds.GetItemData(0), DWORD_PTR(101));
    item.iItem = 0;
    ASSERT_TRUE(kinds.GetItem(&item));
    EXPECT_STREQ(text, "梯形荷载");
    EXPECT_EQ(item.iImage, 5);
    EXPECT_EQ(kinds.FindStringExact(-1, "三角形荷载"), 1);

    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(kinds.AddString("x"), CB_ERR);
    EXPECT_EQ(misuses.Count(), 1);
    item.iItem = 7;
    EXPECT_FALSE(kinds.GetItem(&item));
}

// The ComboBoxEx draws its items itself, as on the platform: its child combo box is owner-drawn, and
// its selection field, as high as CB_SETITEMHEIGHT makes it, shows the selected item's selected
// image (13 red images here; item 1's selected image is 11).
TEST(ComboBoxEx, TheFieldShowsTheSelectedItemsImage) {
    KindDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_CTL_COMBOEX));
    const std::vector<unsigned char> red(16 * 13 * 16 * 4, 0);
    std::vector<unsigned char> bits(red);
    for (size_t i = 2; i < bits.size(); i += 4) bits[i] = 255;
    CBitmap strip;
    ASSERT_TRUE(strip.CreateBitmap(16 * 13, 16, 1, 32, bits.data()));
    ASSERT_EQ(dialog.m_images.Add(&strip, RGB(128, 128, 128)), 0);
    CComboBoxEx& kinds = dialog.m_kinds;
    CComboBox* pInner = kinds.GetComboBoxCtrl();
    ASSERT_NE(pInner, nullptr);
    EXPECT_TRUE(pInner->GetStyle() & CBS_OWNERDRAWFIXED);
    EXPECT_GT(kinds.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), 0);
    EXPECT_EQ(kinds.SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20), 0);
    EXPECT_EQ(kinds.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), 20);
    dialog.ShowWindow(SW_SHOW);
    pInner->Invalidate();
    pInner->UpdateWindow();
    const auto recording = qelt::gdi::WindowRecording(pInner->GetSafeHwnd());
    ASSERT_NE(recording, nullptr);
    // One image (drawn through its mask, so in two passes), centred in the field of 20 pixels within
    // its three pixels of edge: (20 − 16) / 2 + 3.
    std::set<std::pair<double, double>> places;
    for (const qelt::gdi::Record& record : recording->records)
        if (const auto* image = std::get_if<qelt::gdi::ImageRecord>(&record.item); image && image->width == 16)
            places.insert({image->x, image->y});
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places.begin()->second, 5);
    dialog.DestroyWindow();
}

}  // namespace
