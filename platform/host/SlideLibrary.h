// Slide libraries: named vector drawings in world units (y upwards), read from a text file
// ("Vusk10Dll.slb" in the folder of gVusk_GetQeltPath(2)). The build joins every file
// resources/slides/<library>/*.sld into <library>.slb.
//
// The file is UTF-8; a line holds one statement, blank lines and lines beginning with "#" are
// skipped, numbers are decimal:
//   slide NAME                       starts the slide NAME (letters, digits, "_"; unique in the file)
//   extent X1 Y1 X2 Y2               the slide's world window; without it, the box of its drawing
//                                    with a margin of a twentieth of its larger side
//   line X1 Y1 X2 Y2                 a line
//   poly X1 Y1 X2 Y2 …               an open polyline of two or more points
//   polygon X1 Y1 X2 Y2 X3 Y3 …      a closed outline of three or more points
//   circle X Y R                     a circle; disc X Y R: a filled one (a bar in a section)
//   text X Y H TEXT…                 TEXT centred on (X, Y), H high
//   dim X1 Y1 X2 Y2 OFFSET H TEXT…   a dimension of the distance from (X1, Y1) to (X2, Y2): its line
//                                    OFFSET to the left of that direction, ticks at both ends,
//                                    extension lines from the points, TEXT (H high) above the line
// Texts become the system's GBK. A line that does not follow these rules refuses the whole library,
// with an error naming the file and the line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qelt::host {

struct SlidePoint {
    double x = 0;
    double y = 0;
};

struct SlideBox {
    double left = 0, bottom = 0, right = 0, top = 0;
    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
};

struct SlideElement {
    enum class Kind { Line, Polyline, Polygon, Circle, Disc, Text, Dimension };
    Kind kind = Kind::Line;
    std::vector<SlidePoint> points;  // line, dimension: 2; circle, disc, text: 1 (the centre)
    double radius = 0;               // circle, disc
    double offset = 0;               // dimension
    double height = 0;               // text, dimension: the text's height
    std::string text;                // GBK
};

struct Slide {
    std::string name;
    SlideBox extent;
    std::vector<SlideElement> elements;
};

class SlideLibrary {
public:
    // Reads the library at path (the system's GBK bytes of the path); an error text (UTF-8) when it
    // cannot be read or a line is wrong.
    static std::optional<SlideLibrary> Load(const std::string& path, std::string& error);
    static std::optional<SlideLibrary> Parse(const std::string& text, const std::string& source,
                                             std::string& error);

    const Slide* Find(const std::string& name) const;
    const std::vector<Slide>& Slides() const { return m_slides; }

private:
    std::vector<Slide> m_slides;
};

// The slide of the library at path, the library read once per process; NULL, with a diagnostic,
// when the library cannot be read or has no such slide.
const Slide* FindSlide(const std::string& path, const std::string& name);

}  // namespace qelt::host
