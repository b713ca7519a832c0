#include "slab/irregular/BoardVertexList.h"

#include <cmath>
#include <cstdlib>

#include "mfc/user/Menu.h"
#include "slab/irregular/BoardInputRanges.h"
#include "slab/irregular/PlaneGeometry.h"

namespace {

const COLORREF kFirstRowGrey = 0xC0C0C0;
const COLORREF kRowWhite = 0xFFFFFF;
const char* const kDash = "--";

// The chord height of a segment as its cell shows it.
CString ChordText(const CBoardPolyline& poly, int segment)
{
    const double bulge = poly.GetBulge(segment);
    return bulge == 0.0 ? CString("0") : FormatWhole(GetArcHeight(poly.GetChordLength(segment), bulge));
}

}  // namespace

BOOL TrackBoardListMenu(CEditCmbList& list, UINT nMenu, CPoint point, CWnd* pOwner)
{
    const int row = list.GetCurRow();
    if (row < 0 || list.GetCellBKColor(1, row) == kFirstRowGrey)
        return FALSE;
    CRect rect;
    list.GetWindowRect(&rect);
    if (!IsPointInRect(point.x, point.y, rect.left, rect.right, rect.top, rect.bottom))
        return FALSE;
    CMenu menu;
    menu.LoadMenu(nMenu);
    menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner);
    return TRUE;
}

void RemoveNumberedRow(CEditCmbList& list, int row)
{
    const int count = list.GetItemCount();
    list.DeleteItem(row);
    for (int i = row; i < count - 1; ++i)
        list.SetItemText(i, 0, FormatNumber(i + 1));
}

CString FormatWhole(double value)
{
    CString text;
    text.Format("%.0f", value);
    return text;
}

CString FormatNumber(int number)
{
    CString text;
    text.Format("%d", number);
    return text;
}

CBoardVertexList::CBoardVertexList(CEditCmbList& list, const BoardListColumns& columns)
    : m_list(list), m_columns(columns)
{
}

void CBoardVertexList::SetText(int row, int column, const CString& text)
{
    m_list.SetItemText(row, column, text);
}

void CBoardVertexList::SetNumberText(int row, int column, double value)
{
    SetText(row, column, FormatWhole(value));
}

int CBoardVertexList::FirstRowOfElement(const CBoardPolylineArray& polylines, int n)
{
    int rows = 0;
    for (int i = 0; i < n && i < polylines.GetSize(); ++i)
        if (polylines[i].GetCount() >= 2)
            rows += polylines[i].GetCount() + 1;
    return rows;
}

void CBoardVertexList::WriteRow(int row, const CBoardPolyline& poly, int number, int vertex, int segment)
{
    if (m_columns.number >= 0)
        SetText(row, m_columns.number, FormatNumber(number));
    SetText(row, m_columns.node, FormatNumber(vertex + 1));
    const AcGePoint3d p = poly.GetPoint(vertex);
    SetNumberText(row, m_columns.x, p.x);
    SetNumberText(row, m_columns.y, p.y);
    if (segment < 0) {
        DashSegmentCells(row);
    } else {
        SetNumberText(row, m_columns.length, std::fabs(poly.GetSegLength(segment)));
        SetText(row, m_columns.chord, ChordText(poly, segment));
    }
    WriteOtherColumns(row, poly, vertex, segment);
}

void CBoardVertexList::WriteOtherColumns(int, const CBoardPolyline&, int, int) {}

void CBoardVertexList::MarkRow(int row, BOOL first)
{
    m_list.SetRowBKColor(row, first ? kFirstRowGrey : kRowWhite);
    for (int column : {m_columns.x, m_columns.y, m_columns.chord})
        m_list.SetCellModifyType(column, row, first ? -1 : 0, NULL, "");
}

void CBoardVertexList::Fill(const CBoardPolylineArray& polylines)
{
    m_list.DeleteAllItems();
    for (int i = 0; i < polylines.GetSize(); ++i) {
        const CBoardPolyline& poly = polylines[i];
        if (poly.GetCount() < 2)
            continue;
        const int first = m_list.GetItemCount();
        for (int v = 0; v < poly.GetCount(); ++v) {
            m_list.InsertItem(first + v, "");
            WriteRow(first + v, poly, i + 1, v, v - 1);
            MarkRow(first + v, v == 0);
        }
        AddClosingRow(poly, i + 1);
    }
}

void CBoardVertexList::Fill(const CBoardPolyline& poly)
{
    CBoardPolylineArray one;
    one.Add(poly);
    Fill(one);
}

void CBoardVertexList::AddDrawnVertexRow(const CBoardPolyline& work, int number)
{
    const int k = work.GetCount();
    const int row = m_list.GetItemCount();
    m_list.InsertItem(row, "");
    WriteRow(row, work, number, k - 1, k - 2);
    MarkRow(row, k == 1);
}

void CBoardVertexList::AddClosingRow(const CBoardPolyline& poly, int number, int row)
{
    if (row < 0)
        row = m_list.GetItemCount();
    m_list.InsertItem(row, "");
    WriteRow(row, poly, number, 0, poly.GetCount() - 1);
    MarkRow(row, FALSE);
}

void CBoardVertexList::DashSegmentCells(int row)
{
    for (int column = m_columns.length; column <= m_columns.last; ++column)
        SetText(row, column, kDash);
}

void CBoardVertexList::CopyListRow(int from, int to)
{
    for (int column = 0; column <= m_columns.last; ++column)
        SetText(to, column, m_list.GetItemText(from, column));
}

void CBoardVertexList::DuplicateListRow(int row)
{
    m_list.InsertItem(row, "");
    CopyListRow(row + 1, row);
}

void CBoardVertexList::RenumberNodes(int firstRow, int closingRow)
{
    for (int row = firstRow; row < closingRow; ++row)
        SetText(row, m_columns.node, FormatNumber(row - firstRow + 1));
}

BOOL CBoardVertexList::ApplyGeometryCell(int row, int column, CBoardPolyline& poly, int firstRow)
{
    const int k = poly.GetCount();
    const int closingRow = firstRow + k;
    const BOOL closing = row == closingRow;
    const int vertex = closing ? 0 : row - firstRow;
    const int segment = closing ? k - 1 : vertex - 1;
    const double limit = kBoardCoordinateLimit;
    double value = 0.0;
    if (column == m_columns.x || column == m_columns.y) {
        AcGePoint3d p = poly.GetPoint(vertex);
        double& coordinate = column == m_columns.x ? p.x : p.y;
        if (!ReadCellNumber(m_list, row, column, -limit, limit, value)) {
            SetNumberText(row, column, coordinate);
            return TRUE;
        }
        coordinate = value;
        poly.MovePoint(vertex, p);
        SetNumberText(row, m_columns.length, std::fabs(poly.GetSegLength(segment)));
        SetNumberText(closing ? firstRow + 1 : row + 1, m_columns.length, std::fabs(poly.GetSegLength(vertex)));
        return TRUE;
    }
    if (column == m_columns.chord) {
        if (!ReadCellNumber(m_list, row, column, -limit, limit, value)) {
            SetText(row, column, ChordText(poly, segment));
            return TRUE;
        }
        // A chord of zero length (a vertex just inserted on its neighbour) takes no arc.
        const double chord = poly.GetChordLength(segment);
        poly.SetBulge(segment, chord > 0.0 ? GetBulgeFromHeight(chord, value) : 0.0);
        SetNumberText(row, m_columns.length, std::fabs(poly.GetSegLength(segment)));
        return TRUE;
    }
    return FALSE;
}

void CBoardVertexList::RenewFirstRow(int closingRow, int firstRow)
{
    CopyListRow(closingRow, firstRow);
    DashSegmentCells(firstRow);
    MarkRow(firstRow, TRUE);
}

void CBoardVertexList::InsertVertex(int row, CBoardPolyline& poly, int firstRow)
{
    const int k = poly.GetCount();
    const int closingRow = firstRow + k;
    DuplicateListRow(row);
    if (row == closingRow) {
        SetText(row, m_columns.node, FormatNumber(k + 1));
        SetText(row + 1, m_columns.length, "0");
        poly.InsertPoint(0);
    } else {
        const int vertex = row - firstRow;
        RenumberNodes(firstRow, closingRow + 1);
        SetText(row + 1, m_columns.length, "0");
        poly.InsertPoint(vertex);
    }
    MarkRow(row, FALSE);
}

void CBoardVertexList::DeleteVertex(int row, CBoardPolyline& poly, int firstRow)
{
    const int k = poly.GetCount();
    const int closingRow = firstRow + k;
    if (row != closingRow) {
        const int vertex = row - firstRow;
        m_list.DeleteItem(row);
        RenumberNodes(firstRow, closingRow - 1);
        poly.RemovePoint(vertex);
        SetNumberText(row, m_columns.length, std::fabs(poly.GetSegLength(vertex - 1)));
        return;
    }
    m_list.DeleteItem(firstRow);
    const int newClosing = closingRow - 1;
    RenumberNodes(firstRow, newClosing);
    CopyListRow(firstRow, newClosing);
    DashSegmentCells(firstRow);
    poly.RemovePoint(0);
    SetNumberText(newClosing, m_columns.length, std::fabs(poly.GetSegLength(k - 2)));
    MarkRow(firstRow, TRUE);
}

void CBoardVertexList::RemoveElementRows(const CString& number)
{
    const int removed = std::atoi(number);
    for (int row = 0; row < m_list.GetItemCount();) {
        const CString text = m_list.GetItemText(row, m_columns.number);
        if (text == number) {
            m_list.DeleteItem(row);
            continue;
        }
        const int value = std::atoi(text);
        if (value > removed)
            SetText(row, m_columns.number, FormatNumber(value - 1));
        ++row;
    }
}

void CBoardVertexList::MarkFirstRows()
{
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        const BOOL first = m_list.GetItemText(row, m_columns.node) == "1" && m_list.GetItemText(row, m_columns.length) == kDash;
        if (first)
            MarkRow(row, TRUE);
        else if (m_list.GetCellBKColor(0, row) == kFirstRowGrey)
            MarkRow(row, FALSE);
    }
}
