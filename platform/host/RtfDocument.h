// The RTF of reports, in one place for the rich-text control and the Word output: a document in
// the Chinese code page (\ansicpg936, GBK text as \'hh escapes) with a font table whose font 0 is
// 宋体 (\fcharset134) and a colour table, both growing as fragments name new fonts and colours.
// Fragments are made first and the document around them last, once the tables are complete.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "win/WinTypes.h"

namespace qelt::report {

class RtfDocument {
public:
    // The page of the Word output: A4 with 1800-twip side margins, so text runs 8306 twips wide.
    static constexpr int kTextWidthTwips = 8306;
    static constexpr int kTwipsPerPixel = 15;  // 96 pixels to the inch
    static constexpr int kTabTwips = 420;      // the default tab stops, two characters of 宋体 10.5

    RtfDocument();

    // The index of a font (GBK name) or colour in the tables, added when new.
    int Font(std::string_view name);
    int Color(COLORREF color);

    // A text with the report markup and its format: style bits (1 bold, 2 italic, 4 underline),
    // alignment (0 left, 1 centred, 2 right), colour, size in points, font and the paragraph's
    // left indent in twips. "\n" ends the paragraph; a text without it leaves the paragraph open
    // for the next fragment, which gives it the same indent.
    std::string Text(std::string_view text, long style, int align, COLORREF color, double size,
                     std::string_view font, long indent = 0);
    // The markup of a text as RTF runs (superscripts and subscripts as groups), in the current format.
    static std::string Markup(std::string_view text);
    // A picture on a paragraph of its own, as PNG, at 96 dpi, shrunk to the text width if wider.
    static std::string Picture(const std::vector<unsigned char>& png, int width, int height, bool centred);
    // A bordered table of rows × columns cells (row-major), each cell a text with the markup in
    // 宋体 10.5; columns are as wide as their widest text (markers not counted), shrunk together to
    // the text width when wider.
    std::string Table(int rows, int columns, const std::vector<std::string>& cells);

    // The complete document around a body of fragments.
    std::string Document(std::string_view body) const;

private:
    std::vector<std::string> m_fonts;
    std::vector<COLORREF> m_colors;
};

}  // namespace qelt::report
