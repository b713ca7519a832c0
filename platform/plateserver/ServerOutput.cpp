#include "plateserver/ServerOutput.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "com/ComError.h"
#include "com/SafeArrayData.h"
#include "fea/Contours.h"
#include "fea/Geometry.h"
#include "plateserver/interface/PlateSolver.h"

namespace fea = qelt::fea;

namespace {

enum Picture { kMesh = 0, kContours = 1, kMoments = 2, kBars = 3, kAreas = 4, kDeflection = 5, kCracks = 6 };

constexpr std::int32_t kMeshColor = 0x808080;
constexpr std::int32_t kTextColor = 0x00FFFF;
constexpr std::int32_t kPointColor = 0xFFFFFF;
// The size of the mark at the middle of a row's strip, mm.
constexpr double kPointSize = 200.0;

struct Line {
    fea::Point2 a, b;
    std::int32_t color;
    std::int32_t kind;
};

// A text stands beside its point on the left of its direction, centred on the point, and reads
// along that direction (the page turns it half round where it would read right to left or down).
struct Text {
    std::string text;
    fea::Point2 at;
    std::int32_t picture;
    fea::Point2 along{1.0, 0.0};
};

// Blue at the lowest level through green to red at the highest (0x00BBGGRR).
std::int32_t LevelColor(int level, int count)
{
    const double t = count > 1 ? double(level) / (count - 1) : 0.5;
    const int red = int(std::lround(255 * std::clamp(2 * t - 1, 0.0, 1.0)));
    const int blue = int(std::lround(255 * std::clamp(1 - 2 * t, 0.0, 1.0)));
    const int green = 255 - red - blue;
    return (blue << 16) | (green << 8) | red;
}

std::string Format(const char* format, double a, double b = 0.0)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), format, a, b);
    return buffer;
}

// Where a row's texts stand: the first bottom row above the node where it governs, the second below
// its own (both often govern at the same node); a re-entrant corner's row on its strip along the
// bisector; an edge row along its edge, inside the slab, at the middle of the edge (of the arc for
// an arc), so that the rows of two edges that govern at their common corner stay apart and no text
// crosses the outline.
void PlaceRowText(const ServerInput& input, const fea::DesignRow& row, int index, fea::Point2& at, fea::Point2& along)
{
    if (index < 2 || row.corner >= 0) {
        // A bottom row reads along x (the second upside down, below its point); the bars of a
        // corner's row run across the bisector, and its text reads along it, away from the corner.
        // The text stands clear of the strip's mark: half the mark's size to its left.
        const double angle = (row.barAngle - 90.0) * 3.14159265358979323846 / 180.0;
        along = index < 2 ? fea::Point2{index == 0 ? 1.0 : -1.0, 0.0} : fea::Point2{std::cos(angle), std::sin(angle)};
        at = {row.at.x - along.y * kPointSize / 2, row.at.y + along.x * kPointSize / 2};
        return;
    }
    const std::vector<fea::OutlineVertex>& outline = input.slab.outline;
    const std::size_t k = std::size_t(index - 2);
    const fea::OutlineVertex& a = outline[k];
    const fea::OutlineVertex& b = outline[(k + 1) % outline.size()];
    // The arc's middle lies the arc height (bulge · chord / 2) off the chord's, to the right of
    // the edge's direction for a positive bulge.
    const double dx = b.x - a.x, dy = b.y - a.y, rise = a.bulge / 2;
    at = {(a.x + b.x) / 2 + rise * dy, (a.y + b.y) / 2 - rise * dx};
    // The slab lies on the left of a counter-clockwise outline's edges.
    std::vector<fea::Point2> corners;
    for (const fea::OutlineVertex& v : outline) corners.push_back({v.x, v.y});
    const double chord = std::hypot(dx, dy), turn = fea::SignedDoubleArea(corners) < 0 ? -1.0 : 1.0;
    along = chord > 0 ? fea::Point2{turn * dx / chord, turn * dy / chord} : fea::Point2{1.0, 0.0};
    // Clear of the mark of a strip in the middle of the edge: half the mark's size inside.
    at = {at.x - along.y * kPointSize / 2, at.y + along.x * kPointSize / 2};
}

// The texts of a row: its moment, bars, area and crack width.
void AddRowTexts(const ServerInput& input, const fea::DesignRow& row, int index, std::vector<Text>& texts)
{
    if (row.node < 0) return;
    fea::Point2 at, along;
    PlaceRowText(input, row, index, at, along);
    const char* moment = index == 0 ? "Mx=%.2f" : index == 1 ? "My=%.2f" : "M=%.2f";
    texts.push_back({Format(moment, row.moment), at, kMoments, along});
    texts.push_back({Format("Φ%.0f@%.0f", row.bars.diameter, row.bars.spacing), at, kBars, along});
    texts.push_back({Format("%.0f", row.strip.area), at, kAreas, along});
    texts.push_back({Format("%.3f", row.crackWidth), at, kCracks, along});
}

double TextHeight(const fea::Mesh& mesh)
{
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (std::size_t i = 0; i < mesh.nodes.size(); ++i) {
        const fea::Point2& p = mesh.nodes[i];
        if (i == 0 || p.x < minX) minX = p.x;
        if (i == 0 || p.x > maxX) maxX = p.x;
        if (i == 0 || p.y < minY) minY = p.y;
        if (i == 0 || p.y > maxY) maxY = p.y;
    }
    return std::max(std::max(maxX - minX, maxY - minY) / 40.0, 1.0);
}

HRESULT WriteLines(const std::vector<Line>& lines, VARIANT& v)
{
    HRESULT hr = CreateRecordArray(LIBID_PlateServer, GUID_ResultLineRecord, ULONG(lines.size()), v);
    if (FAILED(hr)) return hr;
    CSafeArrayData data;
    data.Open(v, VT_RECORD, &GUID_ResultLineRecord);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ResultLineRecord& record = data.At<ResultLineRecord>(ULONG(i));
        if (FAILED(hr = PointToRecordVariant(lines[i].a.x, lines[i].a.y, 0.0, record.start)) ||
            FAILED(hr = PointToRecordVariant(lines[i].b.x, lines[i].b.y, 0.0, record.end)))
            return hr;
        record.color = lines[i].color;
        record.kind = lines[i].kind;
    }
    return S_OK;
}

HRESULT WriteTexts(const std::vector<Text>& texts, double height, VARIANT& v)
{
    HRESULT hr = CreateRecordArray(LIBID_PlateServer, GUID_ResultTextRecord, ULONG(texts.size()), v);
    if (FAILED(hr)) return hr;
    CSafeArrayData data;
    data.Open(v, VT_RECORD, &GUID_ResultTextRecord);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ResultTextRecord& record = data.At<ResultTextRecord>(ULONG(i));
        try {
            record.text = _com_util::ConvertStringToBSTR(texts[i].text.c_str());
        } catch (const _com_error& e) {
            return e.Error();
        }
        record.height = height;
        record.color = kTextColor;
        // The page sets a text beside the segment from the second point to the first, centred on
        // its middle and on its left for the text mode 1, read along it and turned upright.
        const fea::Point2& at = texts[i].at;
        const double dx = texts[i].along.x * height / 2, dy = texts[i].along.y * height / 2;
        if (FAILED(hr = PointToRecordVariant(at.x + dx, at.y + dy, 0.0, record.first)) ||
            FAILED(hr = PointToRecordVariant(at.x - dx, at.y - dy, 0.0, record.second)))
            return hr;
        record.firstOption = 1;
        record.textMode = 1;
        record.picture = texts[i].picture;
    }
    return S_OK;
}

HRESULT WritePoints(const fea::SlabDesign& design, VARIANT& v)
{
    std::vector<fea::Point2> points;
    for (const fea::DesignRow& row : design.rows)
        if (row.node >= 0) points.push_back(row.at);
    HRESULT hr = CreateRecordArray(LIBID_PlateServer, GUID_ResultPointRecord, ULONG(points.size()), v);
    if (FAILED(hr)) return hr;
    CSafeArrayData data;
    data.Open(v, VT_RECORD, &GUID_ResultPointRecord);
    for (std::size_t i = 0; i < points.size(); ++i) {
        ResultPointRecord& record = data.At<ResultPointRecord>(ULONG(i));
        if (FAILED(hr = PointToRecordVariant(points[i].x, points[i].y, 0.0, record.point))) return hr;
        record.size = kPointSize;
        record.color = kPointColor;
    }
    return S_OK;
}

}  // namespace

HRESULT BuildResultRows(const fea::SlabDesign& design, VARIANT& rows)
{
    const HRESULT hr = CreateRecordArray(LIBID_PlateServer, GUID_ResultRecord, ULONG(design.rows.size()), rows);
    if (FAILED(hr)) return hr;
    CSafeArrayData data;
    data.Open(rows, VT_RECORD, &GUID_ResultRecord);
    for (std::size_t i = 0; i < design.rows.size(); ++i) {
        const fea::DesignRow& row = design.rows[i];
        ResultRecord& record = data.At<ResultRecord>(ULONG(i));
        record.moment = row.moment;
        record.calArea = row.strip.area;
        record.realArea = row.bars.area;
        record.diameter = row.bars.diameter;
        record.space = row.bars.spacing;
        record.flag = row.status == fea::RowStatus::SectionTooSmall ? kRowSectionTooSmall
                      : row.status == fea::RowStatus::NoBars        ? kRowNoBars
                      : row.status == fea::RowStatus::CrackTooWide  ? kRowCrackTooWide
                                                                    : kRowDesigned;
        record.deflection = row.deflection;
        record.crack = row.crackWidth;
        record.rowId = std::int32_t(i);
        record.corner = row.corner;
    }
    return S_OK;
}

HRESULT BuildRefusalRow(std::int32_t reason, VARIANT& rows)
{
    const HRESULT hr = CreateRecordArray(LIBID_PlateServer, GUID_ResultRecord, 1, rows);
    if (FAILED(hr)) return hr;
    CSafeArrayData data;
    data.Open(rows, VT_RECORD, &GUID_ResultRecord);
    ResultRecord& record = data.At<ResultRecord>(0);
    record.flag = reason;
    record.rowId = -1;
    record.corner = -1;
    return S_OK;
}

HRESULT BuildResultPictures(const ServerInput& input, const fea::PlateAnalysis& analysis, const fea::SlabDesign* design,
                            VARIANT& points, VARIANT& lines, VARIANT& texts)
{
    const fea::Mesh& mesh = analysis.mesh;
    std::vector<Line> lineList;
    for (const auto& [a, b] : fea::UniqueEdges(mesh)) lineList.push_back({mesh.nodes[a], mesh.nodes[b], kMeshColor, kMesh});
    std::vector<Text> textList;
    const double height = TextHeight(mesh);
    const fea::SlabDesign none;
    if (design) {
        const int count = std::max(input.contourCount, 0);
        for (const fea::ContourSegment& s : fea::ContourLines(mesh, design->combinations.characteristic.w, count))
            lineList.push_back({s.a, s.b, LevelColor(s.level, count), kContours});
        for (std::size_t i = 0; i < design->rows.size(); ++i)
            AddRowTexts(input, design->rows[i], int(i), textList);
        if (design->deflectionNode >= 0)
            textList.push_back(
                {Format("f=%.2f", design->longTermDeflection), mesh.nodes[design->deflectionNode], kDeflection});
    }
    HRESULT hr;
    if (FAILED(hr = WriteLines(lineList, lines)) || FAILED(hr = WriteTexts(textList, height, texts)) ||
        FAILED(hr = WritePoints(design ? *design : none, points)))
        return hr;
    return S_OK;
}
