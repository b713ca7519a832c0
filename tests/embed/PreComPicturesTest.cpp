// The pictures of the anchor-type pages, compared with reference pictures made once and looked at:
// each page in its first load case, and the straight bars' loads and layouts that change them.
#include <gtest/gtest.h>

#include <string>

#include "PreComPageFixture.h"
#include "ReferencePicture.h"
#include "render/Render.h"

namespace {

struct PictureCase {
    const char* pszPicture;
    const char* pszItem;
    int nSub;
    UINT nLoadCase;        // 0: the type's own
    UINT nLayoutID;        // 0: the stored layout
    const char* pszLayout;
    UINT nCountID;         // 0: the stored count
    const char* pszCount;
};

const PictureCase kPictures[] = {
    {"plate-1", "构造-钢板锚板", 1, 0, 0, nullptr, 0, nullptr},
    {"plate-6", "构造-钢板锚板", 1, 0, 0, nullptr, IDC_P1_N, "6"},
    {"angle-detail-3", "构造-角钢锚板", 2, 0, 0, nullptr, IDC_P2_N, "3"},
    {"straight-tension", "直锚筋", 3, 0, 0, nullptr, 0, nullptr},
    {"straight-shear", "直锚筋", 3, IDC_PRECOM_SHEAR, 0, nullptr, 0, nullptr},
    {"straight-bend-shear", "直锚筋", 3, IDC_PRECOM_BEND_SHEAR, 0, nullptr, 0, nullptr},
    {"straight-press-4x4", "直锚筋", 3, IDC_PRECOM_PRESS_BEND_SHEAR, IDC_P3_LAYOUT, "4x4", 0, nullptr},
    {"angle-combined-3x2", "角钢锚筋", 4, IDC_PRECOM_TENSION_BEND_SHEAR, IDC_P4_LAYOUT, "3x2", 0, nullptr},
    {"bent-3", "直锚筋+弯折锚筋", 5, 0, 0, nullptr, IDC_P5_BENT_N, "3"},
    {"shear-key", "直锚筋+抗剪钢板", 6, 0, 0, nullptr, 0, nullptr},
    {"end-plate-combined", "直锚筋+端板", 7, IDC_PRECOM_TENSION_BEND_SHEAR, 0, nullptr, 0, nullptr},
    {"ring", "吊环", 8, 0, 0, nullptr, 0, nullptr},
};

class PreComPictures : public PreComPageFixture, public testing::WithParamInterface<PictureCase> {};

TEST_P(PreComPictures, LookAsTheirReference) {
    const PictureCase& c = GetParam();
    Pick(c.pszItem);
    CWnd* pSub = Sub(c.nSub);
    if (c.nLayoutID) Choose(pSub, c.nLayoutID, c.pszLayout);
    if (c.nCountID == IDC_P5_BENT_N)
        Choose(pSub, c.nCountID, c.pszCount);
    else if (c.nCountID)
        Type(pSub, c.nCountID, c.pszCount);
    if (c.nLoadCase) Click(c.nLoadCase);
    pSub->SendMessage(WM_PAINT, 0, 0);
    const std::string png = qelt::render::SnapWindow(pSub->GetSafeHwnd());
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(png, std::string(QELT_PICTURES) + "/" + c.pszPicture + ".png"));
}

INSTANTIATE_TEST_SUITE_P(Pages, PreComPictures, testing::ValuesIn(kPictures),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                             std::string name = info.param.pszPicture;
                             for (char& ch : name)
                                 if (ch == '-') ch = '_';
                             return name;
                         });

}  // namespace
