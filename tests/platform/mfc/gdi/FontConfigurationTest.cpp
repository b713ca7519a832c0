// The platform's own font configuration chooses and draws each of its fonts as the system's
// configuration does: the same face with the same rendering settings, and the same faces to fall
// back on, in the same order, for characters the face lacks.
#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "mfc/gdi/FontConfiguration.h"
#include "mfc/gdi/GdiText.h"

namespace {

struct ConfigDeleter {
    void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
using Config = std::unique_ptr<FcConfig, ConfigDeleter>;

Config OwnConfig() {
    Config config(FcConfigCreate());
    const auto* text = reinterpret_cast<const FcChar8*>(qelt::gdi::OwnFontConfiguration());
    EXPECT_TRUE(FcConfigParseAndLoadFromMemory(config.get(), text, FcTrue));
    EXPECT_TRUE(FcConfigBuildFonts(config.get()));
    return config;
}

std::vector<std::string> Families(const std::string& list) {
    std::vector<std::string> families;
    std::istringstream in(list);
    for (std::string family; std::getline(in, family, ',');)
        families.push_back(family.substr(family.find_first_not_of(' ')));
    return families;
}

// A pattern as the text engine asks for it: the families, a pixel size, a weight and a slant.
FcPattern* Asked(const std::vector<std::string>& families, double pixels, int weight, int slant, FcConfig* config) {
    FcPattern* p = FcPatternCreate();
    for (const std::string& f : families) FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(f.c_str()));
    FcPatternAddDouble(p, FC_PIXEL_SIZE, pixels);
    FcPatternAddInteger(p, FC_WEIGHT, weight);
    FcPatternAddInteger(p, FC_SLANT, slant);
    FcConfigSubstitute(config, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    return p;
}

// What decides the face and how it is drawn.
std::string Drawn(FcPattern* font) {
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_PIXEL_SIZE, FC_MATRIX, FC_EMBOLDEN, FC_ANTIALIAS,
                                            FC_HINTING, FC_HINT_STYLE, FC_AUTOHINT, FC_RGBA, FC_LCD_FILTER,
                                            FC_EMBEDDED_BITMAP, FC_GLOBAL_ADVANCE, FC_SPACING, nullptr);
    FcPattern* drawn = FcPatternFilter(font, objects);
    FcChar8* s = FcNameUnparse(drawn);
    std::string text(reinterpret_cast<const char*>(s));
    FcStrFree(s);
    FcPatternDestroy(drawn);
    FcObjectSetDestroy(objects);
    return text;
}

std::string Matched(const std::vector<std::string>& families, double pixels, int weight, int slant, FcConfig* config) {
    FcPattern* asked = Asked(families, pixels, weight, slant, config);
    FcResult result;
    FcPattern* font = FcFontMatch(config, asked, &result);
    const std::string text = font ? Drawn(font) : std::string("(none)");
    if (font) FcPatternDestroy(font);
    FcPatternDestroy(asked);
    return text;
}

// The fonts to fall back on, in order, as far as the families asked for reach.
std::vector<std::string> Fallbacks(const std::vector<std::string>& families, double pixels, int weight, int slant,
                                   FcConfig* config) {
    FcPattern* asked = Asked(families, pixels, weight, slant, config);
    FcResult result;
    FcFontSet* sorted = FcFontSort(config, asked, FcFalse, nullptr, &result);
    std::vector<std::string> fonts;
    for (int i = 0; sorted && i < sorted->nfont; ++i) {
        FcChar8 *family = nullptr, *file = nullptr;
        int index = 0;
        FcPatternGetString(sorted->fonts[i], FC_FAMILY, 0, &family);
        FcPatternGetString(sorted->fonts[i], FC_FILE, 0, &file);
        FcPatternGetInteger(sorted->fonts[i], FC_INDEX, 0, &index);
        bool named = false;
        for (const std::string& f : families) named = named || FcStrCmpIgnoreCase(family, reinterpret_cast<const FcChar8*>(f.c_str())) == 0;
        if (!named) break;
        fonts.push_back(std::string(reinterpret_cast<const char*>(file)) + ":" + std::to_string(index));
    }
    if (sorted) FcFontSetDestroy(sorted);
    FcPatternDestroy(asked);
    return fonts;
}

TEST(FontConfiguration, ChoosesAndDrawsEveryFaceAsTheSystemDoes) {
    Config system(FcInitLoadConfigAndFonts());
    ASSERT_TRUE(system);
    const Config own = OwnConfig();
    for (const char* face : {"宋体", "新宋体", "微软雅黑", "Arial", "Times New Roman", "Courier New"}) {
        LOGFONTA lf{};
        lf.lfCharSet = GB2312_CHARSET;
        std::strcpy(lf.lfFaceName, face);
        const std::vector<std::string> families = Families(qelt::gdi::ResolveFont(lf, 1.0, 1.0).families);
        for (int weight : {FC_WEIGHT_REGULAR, FC_WEIGHT_BOLD})
            for (int slant : {FC_SLANT_ROMAN, FC_SLANT_ITALIC})
                for (double pixels : {9.0, 12.0, 13.5, 16.0, 40.0}) {
                    SCOPED_TRACE(std::string(face) + " weight " + std::to_string(weight) + " slant " +
                                 std::to_string(slant) + " at " + std::to_string(pixels) + " px");
                    EXPECT_EQ(Matched(families, pixels, weight, slant, own.get()),
                              Matched(families, pixels, weight, slant, system.get()));
                    const auto fallbacks = Fallbacks(families, pixels, weight, slant, own.get());
                    EXPECT_EQ(fallbacks, Fallbacks(families, pixels, weight, slant, system.get()));
                    EXPECT_FALSE(fallbacks.empty());
                }
    }
}

}  // namespace
