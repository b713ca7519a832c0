#pragma once
// The picture of the irregular slab: the world-to-device transform (millimetres, y up, to pixels,
// y down), the layered drawing of a parameter object's slab model on a canvas, and the copy of the
// canvas to its window. The report uses a view without a window for its nine pictures.
#include "acge/Matrix3d.h"
#include "mfc/Afx.h"
#include "slab/irregular/BoardData.h"
#include "slab/irregular/DrawCanvas.h"

class CAtypicalBoardParam;

class CBoardDraw {
public:
    // Symbols, numbers and labels are sized by the device length of this many mm of the slab.
    static constexpr double kSymbolLength = 200.0;

    CBoardDraw();
    virtual ~CBoardDraw();
    CBoardDraw(const CBoardDraw&) = delete;
    CBoardDraw& operator=(const CBoardDraw&) = delete;

    // A canvas of the window's client size on black, the transform fitted to the slab's outline.
    int FitToWindow(CWnd* pWnd, CAtypicalBoardParam* pParam);
    // The same for a device rectangle without a window (the report pictures).
    int Setup(const CRect& rect, CAtypicalBoardParam* pParam);

    AcGePoint3d WorldToDevice(AcGePoint3d p) const;
    AcGePoint3d DeviceToWorld(int x, int y) const;
    double DeviceLength(double length) const;
    int ApplyMatrix(AcGeMatrix3d matrix);
    // Scales the picture about a device point; does not redraw.
    int ZoomAt(double factor, int x, int y);
    // Moves the picture by (x1 - x0, y1 - y0) pixels and redraws.
    int Pan(int x0, int y0, int x1, int y1);
    int SetPicture(int picture);
    int Clear();
    int Blit();
    int DrawAll();

    int DrawResultPoints(const CArray<CBoardResultPoint, const CBoardResultPoint&>& points);
    int DrawResultLines(const CArray<CBoardResultLine, const CBoardResultLine&>& lines);
    int DrawResultTexts(const CArray<CBoardResultText, const CBoardResultText&>& texts, double factor);
    int DrawResultText(CBoardResultText text);
    int DrawPolylines(const CArray<CBoardPolyline, const CBoardPolyline&>& polylines, double scale);
    int DrawMassLoads(const CArray<CMassLoad, const CMassLoad&>& loads, double size);

    // Shape editing on world points (BoardEditing.cpp): the working polyline grows vertex by vertex
    // and, when finished, is stored in the model by its kind; the rubber bands preview the next click.
    int StartPolyline(AcGePoint3d p);
    int AddVertex(AcGePoint3d p);
    int AddArcPoint(AcGePoint3d end, AcGePoint3d through);
    int FinishPolyline();
    int FinishCircle(AcGePoint3d p);
    int FinishRectangle(AcGePoint3d p);
    int FinishTwoPointLoad(AcGePoint3d p);
    int AddMassLoad(AcGePoint3d p, double value);
    int RubberLine(AcGePoint3d a, AcGePoint3d b, COLORREF color);
    int RubberSegment(AcGePoint3d a, AcGePoint3d b, int type, int side);
    int RubberArc(AcGePoint3d a, AcGePoint3d e, AcGePoint3d t, int type, int side);
    int RubberCircle(AcGePoint3d a, AcGePoint3d b, int type);
    int RubberRectangle(AcGePoint3d a, AcGePoint3d b, int type);

    // The report pictures, each into its bitmap of the parameter object (BoardReportPictures.cpp).
    // Sizes the canvas of the report pictures to the slab's box, arcs included: its longer side
    // longSide pixels, the box centred in a border that holds the support symbols, the edge values
    // and the vertex numbers at the canvas's text height. Without an outline the fit stays.
    void FitReportPicture(int longSide);
    void BuildSchemePicture();
    void BuildLoadPicture();
    void BuildMeshPicture();
    void BuildDisplacementPicture();
    void BuildMomentPicture();
    void BuildReinPicture();
    void BuildReinAreaPicture();
    void BuildDeflectionPicture();
    void BuildCrackPicture();

    CWnd* m_pWnd;
    CRect m_rcClient;
    CDrawCanvas m_canvas;
    AcGeMatrix3d m_matrix;
    CBoardData* m_pBoardData;
    int m_nPicture;
    CAtypicalBoardParam* m_pParam;

private:
    // Edge values beside the outline: none, straight edges only (while the picture is -1 or 0), or all.
    enum EdgeValues { NO_VALUES, STRAIGHT_VALUES, ALL_VALUES };
    // Binds the model and fits the transform to the outline's vertices: the larger side E of their box
    // plus margin * E on each side spans the canvas height; the box's lower-left corner stands margin
    // * E from the left and the bottom.
    void Fit(CAtypicalBoardParam* pParam, double margin);
    // The outline with its symbols, values, vertex numbers below right and column discs. The screen
    // draws the discs red and the last number over its disc; the report draws grey discs over numbers.
    void DrawOutline(EdgeValues values, COLORREF discColor, BOOL lastNumberOverDisc);
    void DrawWorkPolyline();
    // Adds a vertex to the working polyline with the parameter object's drawing defaults.
    void AddWorkVertex(AcGePoint3d p, double loadValue, double bulge);
    // The load value of a vertex added after the first: a local load's vertices all carry the local
    // load value, every other shape the default value.
    double NextVertexLoad() const;
    // Stores a closed shape from the working polyline: an outline replaces the outline, anything
    // else is a hole; then the working polyline is emptied and the picture redrawn.
    void StoreOutlineOrHole();
    // The symbol size of a preview from a towards b: the device length of 200 mm.
    double PreviewSize(AcGePoint3d a, AcGePoint3d b) const;
    // One report picture: its index, its bitmap selected for the drawing, and the drawing.
    template <typename Draw>
    void BuildPicture(int bitmap, int picture, Draw draw);
    // A picture of the result texts of its index over the outline, without edge values.
    void BuildResultTextPicture(int bitmap, int picture);
    // The result text moved along its reading direction by half its width, either way, when its
    // cell as DrawResultTexts sets it would cross the outline and the move keeps it inside (the
    // labels of nodes on an edge or at a corner). Otherwise the text as it is.
    CBoardResultText InsideOutline(const CBoardResultText& text) const;
};
