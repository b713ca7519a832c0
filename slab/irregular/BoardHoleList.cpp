#include "slab/irregular/BoardHoleList.h"

#include <cstdlib>

#include "slab/irregular/BoardNodeList.h"

namespace {

// The segment columns end at the chord: the support is the hole's, not a segment's.
const BoardListColumns kHoleColumns = {CBoardHoleList::COL_HOLE, CBoardHoleList::COL_NODE,   CBoardHoleList::COL_X,
                                       CBoardHoleList::COL_Y,    CBoardHoleList::COL_LENGTH, CBoardHoleList::COL_CHORD,
                                       CBoardHoleList::COL_CHORD};

}  // namespace

CBoardHoleList::CBoardHoleList(CEditCmbList& list) : CBoardVertexList(list, kHoleColumns)
{
    CBoardNodeList::FillSupportChoices(m_supports);
}

void CBoardHoleList::CreateColumns()
{
    const struct {
        const char* heading;
        int width;
        int editor;
    } columns[] = {{"洞口", 40, -1}, {"节点", 40, -1},    {"X(mm)", 50, 0}, {"Y(mm)", 50, 0},
                   {"边长/弧长", 70, -1}, {"弦高", 50, 0}, {"支座类型", 60, 1}};
    for (int i = 0; i <= COL_SUPPORT; ++i) {
        m_list.InsertColumn(i, columns[i].heading, LVCFMT_LEFT, columns[i].width);
        m_list.setColModifyType(i, columns[i].editor, i == COL_SUPPORT ? &m_supports : NULL, "");
    }
}

void CBoardHoleList::WriteSupports(const CBoardPolylineArray& holes)
{
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        const int hole = std::atoi(m_list.GetItemText(row, COL_HOLE)) - 1;
        if (hole >= 0 && hole < holes.GetSize())
            SetText(row, COL_SUPPORT, CBoardNodeList::SupportText(holes[hole].m_nHoleSupport));
    }
}

void CBoardHoleList::WriteOtherColumns(int row, const CBoardPolyline& poly, int, int)
{
    SetText(row, COL_SUPPORT, CBoardNodeList::SupportText(poly.m_nHoleSupport));
}

void CBoardHoleList::MarkRow(int row, BOOL first)
{
    CBoardVertexList::MarkRow(row, first);
    m_list.SetCellModifyType(COL_SUPPORT, row, 1, &m_supports, "");
}
