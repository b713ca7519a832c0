#include "slab/irregular/BoardPartList.h"

namespace {

const BoardListColumns kPartColumns = {CBoardPartList::COL_NUMBER, CBoardPartList::COL_CORNER, CBoardPartList::COL_X,
                                       CBoardPartList::COL_Y,      CBoardPartList::COL_LENGTH, CBoardPartList::COL_CHORD,
                                       CBoardPartList::COL_VALUE};

}  // namespace

CString LoadKindText(int kind)
{
    return kind == LOAD_DEAD ? "恒载" : "活载";
}

int LoadKindOfText(const CString& text)
{
    return text == "活载" ? LOAD_LIVE : LOAD_DEAD;
}

void FillLoadKindChoices(CStringArray& choices)
{
    choices.RemoveAll();
    choices.Add(LoadKindText(LOAD_DEAD));
    choices.Add(LoadKindText(LOAD_LIVE));
}

CBoardPartList::CBoardPartList(CEditCmbList& list) : CBoardVertexList(list, kPartColumns)
{
    FillLoadKindChoices(m_kinds);
}

void CBoardPartList::CreateColumns()
{
    const struct {
        const char* heading;
        int width;
        int editor;
    } columns[] = {{"荷载", 20, -1}, {"恒/活载", 40, 1}, {"角点", 20, -1}, {"X(mm)", 50, 0},
                   {"Y(mm)", 50, 0}, {"边长/弧长", 70, -1}, {"弦高", 40, 0}, {"荷载值", 50, 0}};
    for (int i = 0; i <= COL_VALUE; ++i) {
        m_list.InsertColumn(i, columns[i].heading, LVCFMT_LEFT, columns[i].width);
        m_list.setColModifyType(i, columns[i].editor, i == COL_KIND ? &m_kinds : NULL, "");
    }
}

void CBoardPartList::WriteOtherColumns(int row, const CBoardPolyline& poly, int vertex, int segment)
{
    SetText(row, COL_KIND, segment < 0 ? LoadKindText(poly.GetLoadType()) : CString());
    if (segment >= 0)
        SetNumberText(row, COL_VALUE, poly.GetLoadVal(vertex));
}

void CBoardPartList::MarkRow(int row, BOOL first)
{
    CBoardVertexList::MarkRow(row, first);
    m_list.SetCellModifyType(COL_VALUE, row, first ? -1 : 0, NULL, "");
    m_list.SetCellModifyType(COL_KIND, row, first ? 1 : -1, &m_kinds, "");
}

void CBoardPartList::CopyListRow(int from, int to)
{
    for (int column = 0; column <= m_columns.last; ++column)
        if (column != COL_KIND)
            SetText(to, column, m_list.GetItemText(from, column));
}
