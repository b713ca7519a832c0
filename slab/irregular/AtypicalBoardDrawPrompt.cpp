// The drawing panel's prompt and history, and the entries typed on its command line.
#include <cmath>

#include "framework/InputValidator.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardInputRanges.h"

namespace {

// Pending prompt codes of UpdatePrompt.
enum {
    PROMPT_POINT = 1,
    PROMPT_POINT_OR_KEY = 2,
    PROMPT_POINT_OR_LENGTH = 3,
    PROMPT_REFERENCE = 4,
    PROMPT_END = 5,
    PROMPT_CANCELLED = 6
};

const char* const kLocatePrompt = " 再点取定位点: ";

BOOL IsTypedEntry(const CString& key)
{
    return key == "NumInput" || key == "CoordInput" || key == "AngleInput" || key == "OppCoord";
}

BOOL WithinCoordinateRange(double value)
{
    return std::fabs(value) <= kBoardCoordinateLimit;  // also FALSE for not-a-number
}

}  // namespace

CString CAtypicalBoardDrawDlg::FirstPointPrompt() const
{
    static const char* const kPrompts[] = {" 请指定板边的第一点",   " 请指定洞口的第一点",
                                           " 请指定集中荷载的点",   " 请指定局部荷载的第一点",
                                           " 请指定线荷载的第一点", " 请指定梯形荷载的第一点"};
    const int target = m_pParam->m_nBoardType;
    return target >= 0 && target <= BOARD_TRAP_LOAD ? kPrompts[target] : "";
}

void CAtypicalBoardDrawDlg::UpdatePrompt()
{
    const CBoardData& data = m_pParam->m_BoardData;
    auto append = [this](const CString& text) { m_strHistory += "\r\n" + text; };
    if (!m_strCmd.IsEmpty()) {
        if (m_nPromptCode == PROMPT_CANCELLED) {
            append(m_strCmd + "*取消*");
            m_nPromptCode = 0;
        } else {
            append(m_strCmd);
        }
    }
    BOOL locate = FALSE;
    switch (m_nPromptCode) {
    case PROMPT_POINT:
        append(" 请输入点: ");
        m_nPromptCode = 0;
        break;
    case PROMPT_POINT_OR_KEY:
        append(" 需要点或选项关键字: ");
        m_nPromptCode = 0;
        break;
    case PROMPT_POINT_OR_LENGTH:
        append(" 需要点或长度: ");
        m_nPromptCode = 0;
        locate = m_bRefActive;
        break;
    case PROMPT_REFERENCE:
        append(" 选择取参照点: ");
        m_nPromptCode = 0;
        locate = TRUE;
        break;
    case PROMPT_END:
        m_nPromptCode = 0;
        if (m_bRefActive) {
            m_bRefActive = 0;
        } else if (data.m_WorkPoly.GetCount() > 0) {
            RightButtonRoutine();
            return;
        }
        break;
    }
    if (locate) {
        m_strCmd = kLocatePrompt;
    } else if (m_nPickCount == 0) {
        const BOOL nothingToRefer = data.m_WorkPoly.GetCount() == 0 && data.m_HoleArray.GetSize() == 0 && data.m_HasBoard == 0;
        m_strCmd = FirstPointPrompt() + (nothingToRefer ? ": " : "/-F 参照点: ");
    } else {
        m_strCmd = m_nMode == DRAW_ARC_THROUGH ? " 点取圆弧上任意一点/-F 参照点: " : " 下一点/-F 参照点: ";
    }
    WriteControls();
    ScrollHistoryToEnd();
}

BOOL CAtypicalBoardDrawDlg::TypedClick()
{
    if (!m_bMouseKnown)
        return FALSE;
    SendMessage(WM_LBUTTONDOWN, 0x0001, MAKELPARAM(m_ptMouse.x, m_ptMouse.y));
    return TRUE;
}

void CAtypicalBoardDrawDlg::InputLength(int nLength)
{
    m_dTypedLength = nLength;
    m_bTypedLength = 1;
    TypedClick();
}

void CAtypicalBoardDrawDlg::InputPoint(AcGePoint3d point)
{
    m_ptTyped = point;
    m_nTypedKind = 1;
    TypedClick();
}

void CAtypicalBoardDrawDlg::InputPolar(double dLength, double dAngle)
{
    m_dPolarLength = dLength;
    m_dPolarAngle = dAngle;
    m_nTypedKind = 2;
    TypedClick();
}

void CAtypicalBoardDrawDlg::OnCmdLineChange()
{
    if (m_bWritingControls)
        return;
    // The key word is taken at once, so that the prompt written below does not act on it again.
    CString key = m_editCmd.m_strKeyWord;
    m_editCmd.m_strKeyWord.Empty();
    UpdateData(TRUE);
    const int colon = m_strCmd.Find(':');
    if (colon >= 0 && colon == m_strCmd.GetLength() - 1) {
        m_strCmd += " ";
        WriteControls();
    }
    const CBoardData& data = m_pParam->m_BoardData;
    // A length or an offset needs a point to start from; any typed point needs the pointer to have
    // been in the drawing area, whose last position the typed click takes.
    if ((key == "NumInput" || key == "AngleInput" || key == "OppCoord") && data.m_WorkPoly.GetCount() == 0 && !m_bRefActive)
        key = "ErrKey";
    if (IsTypedEntry(key) && !m_bMouseKnown)
        key = "ErrKey";
    // A typed coordinate or length beyond the slab's range is refused before it reaches a shape.
    const BOOL inRange = key == "NumInput"     ? WithinCoordinateRange(m_editCmd.m_nNumber)
                         : key == "AngleInput" ? WithinCoordinateRange(m_editCmd.m_dLength)
                         : key == "CoordInput" || key == "OppCoord"
                             ? WithinCoordinateRange(m_editCmd.m_ptInput.x) && WithinCoordinateRange(m_editCmd.m_ptInput.y)
                             : TRUE;
    if (!inRange) {
        MessageBox("坐标或长度的" + RangeMessage(-kBoardCoordinateLimit, kBoardCoordinateLimit), kBoardCheckCaption,
                   MB_OK | MB_ICONWARNING);
        key = "ErrKey";
    }
    if (m_nPickCount > 0) {
        if (key == "ErrKey") {
            m_nPromptCode = m_bRefActive ? PROMPT_POINT_OR_LENGTH : PROMPT_POINT_OR_KEY;
            UpdatePrompt();
        }
    } else if (key == "ErrKey" || key == "f") {
        m_nPromptCode = m_bRefActive ? PROMPT_POINT_OR_LENGTH : PROMPT_POINT;
        UpdatePrompt();
    }
    if (key == "c") {
        m_nPromptCode = PROMPT_END;
        UpdatePrompt();
    } else if (key == "f") {
        const BOOL somethingToRefer = data.m_WorkPoly.GetCount() > 0 || data.m_HoleArray.GetSize() > 0 || data.m_HasBoard == 1;
        if (somethingToRefer && !m_bRefActive) {
            ScrollHistoryToEnd();
            if (PickReferencePoint(m_ptRef)) {
                m_bRefActive = 1;
                m_nPromptCode = PROMPT_REFERENCE;
                UpdatePrompt();
            }
        } else {
            m_nPromptCode = PROMPT_POINT_OR_LENGTH;
            UpdatePrompt();
        }
    } else if (key == "NumInput") {
        InputLength(m_editCmd.m_nNumber);
    } else if (key == "CoordInput") {
        InputPoint(m_editCmd.m_ptInput);
    } else if (key == "AngleInput") {
        InputPolar(m_editCmd.m_dLength, m_editCmd.m_dAngle);
    } else if (key == "OppCoord") {
        m_ptTyped = m_editCmd.m_ptInput;
        m_nTypedKind = 3;
        TypedClick();
    } else {
        ScrollHistoryToEnd();
    }
}
