// The continuous beam's load pictures drawn in code, against references made once and looked at:
// the kind selector's strip, each kind's picture, the load tree's icons and the information icon.
#include <gtest/gtest.h>

#include <string>

#include "ReferencePicture.h"
#include "beam/BeamLoadPictures.h"
#include "render/Render.h"
#include "sibling/BeamRecords.h"

namespace {

std::string Png(CBitmap& bitmap) { return qelt::render::BitmapToPng(static_cast<HBITMAP>(bitmap)); }

std::string Reference(const std::string& name) { return std::string(QELT_PICTURES) + "/" + name + ".png"; }

TEST(BeamLoadPictures, SelectorStripHasSixKinds) {
    CBitmap strip;
    ASSERT_TRUE(CreateLoadKindStrip(strip));
    BITMAP info{};
    strip.GetBitmap(&info);
    EXPECT_EQ(6 * 132, info.bmWidth);
    EXPECT_EQ(20, info.bmHeight);
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(Png(strip), Reference("load-kind-strip")));
}

TEST(BeamLoadPictures, EachKindHasItsPicture) {
    for (int k = 0; k < BEAM_LOAD_KINDS; ++k) {
        SCOPED_TRACE(k);
        CBitmap picture;
        ASSERT_TRUE(CreateLoadKindPicture(picture, k));
        EXPECT_TRUE(qelt::test::MatchesReferencePicture(Png(picture), Reference("load-kind-" + std::to_string(k))));
    }
    CBitmap none;
    EXPECT_FALSE(CreateLoadKindPicture(none, BEAM_LOAD_KINDS));
}

TEST(BeamLoadPictures, TreeIconsAndInformationIcon) {
    CBitmap icons, information;
    ASSERT_TRUE(CreateLoadTreeIcons(icons));
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(Png(icons), Reference("load-tree-icons")));
    ASSERT_TRUE(CreateInformationIcon(information, RGB(212, 208, 200)));
    EXPECT_TRUE(qelt::test::MatchesReferencePicture(Png(information), Reference("information-icon")));
}

}  // namespace
