#pragma once
// CAtypicalBoardDrawDlg: the drawing panel on the left of every irregular-slab page. The engineer
// draws the outline, holes and loads with the mouse or by typed entries on the command line, with
// ortho (F8), typed lengths and an optional reference point; the panel drives the slab view, keeps
// the prompt and the history in step, and tells its page each step with WM_USER+58 (codes below).
#include "acge/Point3d.h"
#include "framework/CaltPageDlg.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/stdctrl/Edit.h"
#include "slab/irregular/BoardDraw.h"
#include "slab/irregular/BoardDrawArea.h"
#include "slab/irregular/CmdLineEdit.h"

class CAtypicalBoardParam;

// The drawing panel's notification to its page: wParam is the code, lParam 0.
#define WM_BOARD_NOTIFY (WM_USER + 58)

// Sends a notification code to the page (none without a page).
inline void NotifyBoardPage(HWND hPage, int nCode)
{
    if (hPage)
        ::SendMessage(hPage, WM_BOARD_NOTIFY, nCode, 0);
}

// Notification codes.
enum {
    BOARD_OUTLINE_POINT = 1,
    BOARD_OUTLINE_DONE = 2,
    BOARD_HOLE_POINT = 3,
    BOARD_HOLE_DONE = 4,
    BOARD_CIRCLE_OUTLINE = 5,
    BOARD_CIRCLE_HOLE = 6,
    BOARD_RECT_OUTLINE = 7,
    BOARD_RECT_HOLE = 8,
    BOARD_MASS_PLACED = 9,
    BOARD_PART_POINT = 10,
    BOARD_PART_DONE = 11,
    BOARD_LINE_FIRST = 12,
    BOARD_LINE_DONE = 13,
    BOARD_TRAP_FIRST = 14,
    BOARD_TRAP_DONE = 15,
    BOARD_MODEL_CHANGED = 16,
    BOARD_EDIT_OBJECT = 17,
    BOARD_PROMPT = 18,
    BOARD_SHOW_MESH = 19
};

// Drawing modes: what a click in the drawing area does.
enum {
    DRAW_LINE = 1,
    DRAW_ARC = 2,
    DRAW_ARC_THROUGH = 22,
    DRAW_CIRCLE = 3,
    DRAW_RECT = 4,
    DRAW_MASS = 5,
    DRAW_PART = 6,
    DRAW_LINE_LOAD = 7,
    DRAW_TRAP_LOAD = 8
};

class CAtypicalBoardDrawDlg : public CCaltPageDlg {
public:
    explicit CAtypicalBoardDrawDlg(CWnd* pParent = NULL);

    int SetParentWnd(CWnd* pWnd);
    int SetDrawMode(int nMode);
    int GetDrawMode() const;
    int GetDrawType() const;
    int SetPicture(int nPicture);
    int Redraw();
    int ShowTools(int nKind);
    void UpdatePrompt();
    void EnableDrawing(int bEnable);
    // Runs the reference-point dialog; 1 with the point chosen, 0 when cancelled.
    int PickReferencePoint(AcGePoint3d& point);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    CComboBox m_cmbPicture;
    CEdit m_editHistory;
    CCmdLineEdit m_editCmd;
    int m_nDrawType;
    int m_nLoadKind;
    HWND m_hNotifyWnd;
    CString m_strCmd;
    CString m_strHistory;
    CBoardDraw m_view;
    CPoint m_ptMouse;
    int m_nPickCount;
    AcGePoint3d m_ptFirst;
    AcGePoint3d m_ptLast;
    AcGePoint3d m_ptArcEnd;
    int m_bOrtho;
    int m_nMode;
    int m_nPromptCode;
    int m_bTypedLength;
    double m_dTypedLength;
    AcGePoint3d m_ptRef;
    int m_bRefActive;
    int m_bDrawEnabled;
    int m_nTypedKind;
    AcGePoint3d m_ptTyped;
    double m_dPolarLength;
    double m_dPolarAngle;
    CAtypicalBoardParam* m_pParam;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLineTool();
    afx_msg void OnArcTool();
    afx_msg void OnCircleTool();
    afx_msg void OnRectTool();
    afx_msg void OnDeadLoad();
    afx_msg void OnLiveLoad();
    afx_msg void OnCmdLineChange();
    afx_msg void OnSelChangePicture();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()

private:
    // Writes the members into the controls; the command line's change notifications that this
    // causes are not entries.
    void WriteControls();
    void Notify(int nCode);
    void SetBoardCursor(UINT nID);
    void FillPictureCombo();
    void ScrollHistoryToEnd();
    void ChooseTool(int nTool);
    void ChooseLoadKind(int nKind);
    // A point of the panel's client area inside the drawing area (edges included), and that point
    // in the drawing area's pixels.
    BOOL IsInDrawArea(CPoint point) const;
    CPoint ToDrawArea(CPoint point) const;
    AcGePoint3d ModelPoint(CPoint point) const;
    // p squared to base: straight above or below it when steeper than 45 degrees, else beside it.
    static AcGePoint3d SquareTo(AcGePoint3d base, AcGePoint3d p);
    static AcGePoint3d OffsetPolar(AcGePoint3d base, double length, double angle);
    // The point entered for a click at p: ortho, a typed length, a typed point, the reference point.
    AcGePoint3d ResolvePoint(AcGePoint3d p, int noOrtho);
    AcGePoint3d ResolveArcPoint(AcGePoint3d p);
    void StartShape(AcGePoint3d p);
    // The click of the current mode at model point p.
    void ClickStep(AcGePoint3d p);
    // The right button, Esc, or "c": ends a reference point, or finishes the shape in progress.
    void RightButtonRoutine();
    // The rubber band of the current mode towards model point w; the reference band when asked.
    void DrawBand(AcGePoint3d w, int mode, BOOL withReference);
    void InputLength(int nLength);
    void InputPoint(AcGePoint3d point);
    void InputPolar(double dLength, double dAngle);
    // The first-point prompt of the draw target.
    CString FirstPointPrompt() const;
    // The panel's typed entry as a click at the last mouse position; FALSE when the mouse has not
    // been in the drawing area yet.
    BOOL TypedClick();

    CBoardDrawArea m_drawArea;
    CBrush m_brushHistory;
    BOOL m_bMouseKnown;
    BOOL m_bWritingControls;
};
