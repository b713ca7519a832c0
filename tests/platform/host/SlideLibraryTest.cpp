#include <gtest/gtest.h>

#include "Printers.h"
#include "host/QeltPath.h"
#include "host/SlideLibrary.h"

namespace {

using qelt::host::SlideElement;
using qelt::host::SlideLibrary;

TEST(SlideLibrary, ReadsEveryStatement) {
    std::string error;
    // The file is UTF-8, whatever the system's texts are.
    auto library = SlideLibrary::Parse(
        u8"# a comment\n"
        "slide A_1\n"
        "line 0 0 100 0\r\n"
        "poly 0 0 10 10 20 0\n"
        "polygon 0 0 10 0 10 10\n"
        "circle 5 5 2\n"
        "disc 5 5 1.5\n"
        u8"text 50 20 10 b'f  宽度 \n"
        "dim 0 0 100 0 -20 10 b\n"
        "\n"
        "slide B\n"
        "extent 0 0 400 300\n"
        "line 0 0 1 1\n",
        "test.slb", error);
    ASSERT_TRUE(library) << error;
    ASSERT_EQ(library->Slides().size(), 2u);
    const qelt::host::Slide* a = library->Find("A_1");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->elements.size(), 7u);
    EXPECT_EQ(a->elements[1].points.size(), 3u);
    EXPECT_EQ(a->elements[2].kind, SlideElement::Kind::Polygon);
    EXPECT_EQ(a->elements[4].kind, SlideElement::Kind::Disc);
    EXPECT_EQ(CString(std::string_view(a->elements[5].text)), "b'f  宽度");
    EXPECT_EQ(a->elements[6].offset, -20);
    // The drawing reaches from y = -35 (the dimension's text below its line) to y = 30 (the text, a
    // square of twice its height) and from x = 0 to 100: a margin of 5 all round.
    EXPECT_DOUBLE_EQ(a->extent.left, -5);
    EXPECT_DOUBLE_EQ(a->extent.right, 105);
    EXPECT_DOUBLE_EQ(a->extent.top, 35);
    EXPECT_DOUBLE_EQ(a->extent.bottom, -40);
    EXPECT_DOUBLE_EQ(library->Find("B")->extent.Width(), 400);
    EXPECT_EQ(library->Find("C"), nullptr);
}

TEST(SlideLibrary, WrongLineRefusesTheLibrary) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"line 0 0 1 1\n", "test.slb:1: \"line\" before the first \"slide\""},
        {"slide A\nline 0 0 1\n", "test.slb:2: \"line\" takes 4 numbers"},
        {"slide A\nline 0 0 1 x\n", "test.slb:2: \"x\" is not a number"},
        {"slide A\nline 0 0 1 nan\n", "test.slb:2: \"nan\" is not a number"},
        {"slide A\npoly 0 0 1\n", "test.slb:2: \"poly\" takes at least 2 points as pairs of numbers"},
        {"slide A\npolygon 0 0 1 1\n", "test.slb:2: \"polygon\" takes at least 3 points as pairs of numbers"},
        {"slide A\ncircle 0 0 0\n", "test.slb:2: a radius must be above 0"},
        {"slide A\ntext 0 0 10\n", "test.slb:2: \"text\" needs a text"},
        {"slide A\ntext 0 0\n", "test.slb:2: \"text\" takes 3 numbers and a text"},
        {"slide A\nextent 0 0 0 5\n", "test.slb:2: an extent must have a width and a height"},
        {"slide A\nslide A\n", "test.slb:2: the slide A is there already"},
        {"slide A-B\n", "test.slb:1: \"slide\" takes one name of letters, digits and \"_\""},
        {"slide A\narc 0 0 1\n", "test.slb:2: unknown statement \"arc\""},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(SlideLibrary::Parse(c.text, "test.slb", error)) << c.text;
        EXPECT_EQ(error, c.error);
    }
}

TEST(SlideLibrary, InstalledLibraryHoldsTheSectionSlides) {
    std::string error;
    auto library = SlideLibrary::Load((gVusk_GetQeltPath(2) + "Vusk10Dll.slb").Str(), error);
    ASSERT_TRUE(library) << error;
    EXPECT_NE(library->Find("STLCNFLEXNORMAL_RECT"), nullptr);
    EXPECT_NE(library->Find("STLCNFLEXNORMAL_T"), nullptr);

    EXPECT_FALSE(SlideLibrary::Load("/nonexistent/x.slb", error));
    EXPECT_EQ(error, "slide library /nonexistent/x.slb: cannot be read");
}

}  // namespace
