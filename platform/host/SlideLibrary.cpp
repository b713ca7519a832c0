#include "host/SlideLibrary.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include <map>

#include "host/Problem.h"
#include "mfc/base/Encoding.h"

namespace qelt::host {
namespace {

using Kind = SlideElement::Kind;

// One statement: its words, and where each word begins in the line (for the texts at its end).
struct Statement {
    std::vector<std::string> words;
    std::vector<std::size_t> starts;
    std::string line;

    // The rest of the line from word index on, as written.
    std::string RestFrom(std::size_t index) const { return index < words.size() ? line.substr(starts[index]) : ""; }
};

Statement Split(const std::string& line) {
    Statement statement{{}, {}, line};
    std::size_t position = 0;
    while (true) {
        position = line.find_first_not_of(" \t", position);
        if (position == std::string::npos) break;
        std::size_t end = line.find_first_of(" \t", position);
        statement.starts.push_back(position);
        statement.words.push_back(line.substr(position, end == std::string::npos ? std::string::npos : end - position));
        position = end;
    }
    return statement;
}

bool Number(const std::string& word, double& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(word.c_str(), &end);
    return *end == '\0' && errno == 0 && std::isfinite(value) && word.find_first_of("xXnNiI") == std::string::npos;
}

bool ValidName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_';
    });
}

void Grow(SlideBox& box, bool& empty, double x, double y) {
    if (empty) {
        box = {x, y, x, y};
        empty = false;
        return;
    }
    box.left = std::min(box.left, x);
    box.right = std::max(box.right, x);
    box.bottom = std::min(box.bottom, y);
    box.top = std::max(box.top, y);
}

// The box of a slide's drawing with a margin of a twentieth of its larger side; texts count as a
// square of their height around their centre.
SlideBox DrawingBox(const Slide& slide) {
    SlideBox box;
    bool empty = true;
    for (const SlideElement& element : slide.elements) {
        double reach = element.kind == Kind::Circle || element.kind == Kind::Disc ? element.radius
                       : element.kind == Kind::Text                                ? element.height
                                                                                   : 0.0;
        for (SlidePoint point : element.points) {
            Grow(box, empty, point.x - reach, point.y - reach);
            Grow(box, empty, point.x + reach, point.y + reach);
        }
        if (element.kind == Kind::Dimension) {
            // The dimension line and its text lie beside the measured points.
            SlidePoint a = element.points[0], b = element.points[1];
            double length = std::hypot(b.x - a.x, b.y - a.y);
            double reachOut = element.offset + (element.offset >= 0 ? 1.5 : -1.5) * element.height;
            double nx = length > 0 ? -(b.y - a.y) / length : 0, ny = length > 0 ? (b.x - a.x) / length : 0;
            for (SlidePoint point : {a, b}) Grow(box, empty, point.x + nx * reachOut, point.y + ny * reachOut);
        }
    }
    if (empty) return {0, 0, 1, 1};
    double margin = std::max(std::max(box.Width(), box.Height()) / 20.0, 1e-9);
    return {box.left - margin, box.bottom - margin, box.right + margin, box.top + margin};
}

}  // namespace

std::optional<SlideLibrary> SlideLibrary::Load(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "slide library " + text::GbkToUtf8ForDisplay(path) + ": cannot be read";
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Parse(text, text::GbkToUtf8ForDisplay(path), error);
}

std::optional<SlideLibrary> SlideLibrary::Parse(const std::string& text, const std::string& source,
                                                std::string& error) {
    SlideLibrary library;
    std::vector<bool> explicitExtent;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    auto fail = [&](const std::string& what) {
        error = source + ":" + std::to_string(lineNumber) + ": " + what;
        return std::nullopt;
    };
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Statement statement = Split(line);
        if (statement.words.empty() || statement.words[0][0] == '#') continue;
        const std::string& verb = statement.words[0];
        if (verb == "slide") {
            if (statement.words.size() != 2 || !ValidName(statement.words[1]))
                return fail("\"slide\" takes one name of letters, digits and \"_\"");
            if (library.Find(statement.words[1])) return fail("the slide " + statement.words[1] + " is there already");
            library.m_slides.push_back(Slide{statement.words[1], {}, {}});
            explicitExtent.push_back(false);
            continue;
        }
        if (library.m_slides.empty()) return fail("\"" + verb + "\" before the first \"slide\"");
        Slide& slide = library.m_slides.back();

        // The numbers that follow the verb: all of them, or the first count when a text follows.
        struct Form {
            const char* verb;
            Kind kind;
            std::size_t numbers;  // 0: a list of points
            bool text;
        };
        static const Form forms[] = {
            {"extent", Kind::Line, 4, false},    {"line", Kind::Line, 4, false},
            {"poly", Kind::Polyline, 0, false},  {"polygon", Kind::Polygon, 0, false},
            {"circle", Kind::Circle, 3, false},  {"disc", Kind::Disc, 3, false},
            {"text", Kind::Text, 3, true},       {"dim", Kind::Dimension, 6, true},
        };
        const Form* form = nullptr;
        for (const Form& candidate : forms)
            if (verb == candidate.verb) form = &candidate;
        if (!form) return fail("unknown statement \"" + verb + "\"");

        std::size_t count = form->numbers ? form->numbers : statement.words.size() - 1;
        if (statement.words.size() - 1 < count || (!form->text && statement.words.size() - 1 != count))
            return fail("\"" + verb + "\" takes " + (form->numbers ? std::to_string(form->numbers) : "pairs of") +
                        " numbers" + (form->text ? " and a text" : ""));
        std::vector<double> values(count);
        for (std::size_t i = 0; i < count; ++i)
            if (!Number(statement.words[i + 1], values[i]))
                return fail("\"" + statement.words[i + 1] + "\" is not a number");

        if (verb == "extent") {
            SlideBox box{std::min(values[0], values[2]), std::min(values[1], values[3]),
                         std::max(values[0], values[2]), std::max(values[1], values[3])};
            if (box.Width() <= 0 || box.Height() <= 0) return fail("an extent must have a width and a height");
            slide.extent = box;
            explicitExtent.back() = true;
            continue;
        }

        SlideElement element;
        element.kind = form->kind;
        switch (form->kind) {
            case Kind::Polyline:
            case Kind::Polygon: {
                std::size_t least = form->kind == Kind::Polygon ? 3 : 2;
                if (count % 2 != 0 || count / 2 < least)
                    return fail("\"" + verb + "\" takes at least " + std::to_string(least) + " points as pairs of numbers");
                for (std::size_t i = 0; i < count; i += 2) element.points.push_back({values[i], values[i + 1]});
                break;
            }
            case Kind::Line:
                element.points = {{values[0], values[1]}, {values[2], values[3]}};
                break;
            case Kind::Circle:
            case Kind::Disc:
                if (values[2] <= 0) return fail("a radius must be above 0");
                element.points = {{values[0], values[1]}};
                element.radius = values[2];
                break;
            case Kind::Text:
                if (values[2] <= 0) return fail("a text height must be above 0");
                element.points = {{values[0], values[1]}};
                element.height = values[2];
                break;
            case Kind::Dimension:
                if (values[5] <= 0) return fail("a text height must be above 0");
                element.points = {{values[0], values[1]}, {values[2], values[3]}};
                element.offset = values[4];
                element.height = values[5];
                break;
        }
        if (form->text) {
            std::string words = statement.RestFrom(count + 1);
            while (!words.empty() && (words.back() == ' ' || words.back() == '\t')) words.pop_back();
            if (words.empty()) return fail("\"" + verb + "\" needs a text");
            text::Conversion gbk = text::Utf8ToGbk(words);
            if (!gbk.ok) return fail("the text cannot be shown: " + gbk.error);
            element.text = gbk.text;
        }
        slide.elements.push_back(std::move(element));
    }
    for (std::size_t i = 0; i < library.m_slides.size(); ++i)
        if (!explicitExtent[i]) library.m_slides[i].extent = DrawingBox(library.m_slides[i]);
    return library;
}

const Slide* SlideLibrary::Find(const std::string& name) const {
    for (const Slide& slide : m_slides)
        if (slide.name == name) return &slide;
    return nullptr;
}

const Slide* FindSlide(const std::string& path, const std::string& name) {
    static std::map<std::string, SlideLibrary> libraries;
    auto found = libraries.find(path);
    if (found == libraries.end()) {
        std::string error;
        std::optional<SlideLibrary> library = SlideLibrary::Load(path, error);
        if (!library) {
            ReportProblem("%s", error.c_str());
            return nullptr;
        }
        found = libraries.emplace(path, std::move(*library)).first;
    }
    const Slide* slide = found->second.Find(name);
    if (!slide)
        ReportProblem("slide library %s has no slide \"%s\"", text::GbkToUtf8ForDisplay(path).c_str(),
                      text::GbkToUtf8ForDisplay(name).c_str());
    return slide;
}

}  // namespace qelt::host
