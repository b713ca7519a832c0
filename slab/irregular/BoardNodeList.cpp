#include "slab/irregular/BoardNodeList.h"

namespace {

const BoardListColumns kNodeColumns = {-1, CBoardNodeList::COL_NODE, CBoardNodeList::COL_X, CBoardNodeList::COL_Y,
                                       CBoardNodeList::COL_LENGTH, CBoardNodeList::COL_CHORD, CBoardNodeList::COL_SUPPORT};
const char* const kSupportTexts[] = {"简支", "固支", "自由"};

}  // namespace

CBoardNodeList::CBoardNodeList(CEditCmbList& list) : CBoardVertexList(list, kNodeColumns)
{
    m_yesNo.Add("是");
    m_yesNo.Add("否");
    FillSupportChoices(m_supports);
}

void CBoardNodeList::CreateColumns()
{
    const struct {
        const char* heading;
        int width;
    } columns[] = {{"节点", 40}, {"X(mm)", 50}, {"Y(mm)", 50}, {"角柱", 40}, {"边长/弧长", 70}, {"弦高", 50}, {"支座类型", 60}};
    for (int i = 0; i < 7; ++i)
        m_list.InsertColumn(i, columns[i].heading, LVCFMT_LEFT, columns[i].width);
    m_list.setColModifyType(COL_NODE, -1, NULL, "");
    m_list.setColModifyType(COL_X, 0, NULL, "");
    m_list.setColModifyType(COL_Y, 0, NULL, "");
    m_list.setColModifyType(COL_COLUMN, 1, &m_yesNo, "");
    m_list.setColModifyType(COL_LENGTH, -1, NULL, "");
    m_list.setColModifyType(COL_CHORD, 0, NULL, "");
    m_list.setColModifyType(COL_SUPPORT, 1, &m_supports, "");
}

int CBoardNodeList::SupportOfText(const CString& text)
{
    if (text == kSupportTexts[EDGE_SIMPLE])
        return EDGE_SIMPLE;
    return text == kSupportTexts[EDGE_FIXED] ? EDGE_FIXED : EDGE_FREE;
}

CString CBoardNodeList::SupportText(int support)
{
    return kSupportTexts[support == EDGE_SIMPLE || support == EDGE_FIXED ? support : EDGE_FREE];
}

void CBoardNodeList::FillSupportChoices(CStringArray& choices)
{
    choices.RemoveAll();
    for (const char* text : kSupportTexts)
        choices.Add(text);
}

void CBoardNodeList::WriteOtherColumns(int row, const CBoardPolyline& poly, int vertex, int segment)
{
    SetText(row, COL_COLUMN, poly.GetHasColu(vertex) == 1 ? "是" : "否");
    if (segment >= 0)
        SetText(row, COL_SUPPORT, SupportText(poly.GetLineType(segment)));
}

void CBoardNodeList::MarkRow(int row, BOOL first)
{
    CBoardVertexList::MarkRow(row, first);
    m_list.SetCellModifyType(COL_COLUMN, row, first ? -1 : 1, &m_yesNo, "");
    m_list.SetCellModifyType(COL_SUPPORT, row, first ? -1 : 1, &m_supports, "");
}
