#include "framework/CaltReportDlg.h"

#include <cstring>
#include <vector>

#include "host/MuitByteConvert.h"
#include "host/ReportWalk.h"
#include "host/WordColor.h"
#include "mfc/user/DataExchange.h"
#include "resources/FrameworkResource.h"

IMPLEMENT_DYNAMIC(CCaltReportDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CCaltReportDlg, CCaltPageDlg)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The RTF of one table: a bordered row definition whose cell boundaries grow by the widest text of
// each column, and the cells row by row in 宋体 10.5.
CString TableRtf(CRtfEdit& edit, int nRows, int nCols, const std::vector<std::string>& cells, int nCellUnit)
{
    CString strDoc = "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
                     "{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}";
    strDoc.AppendFormat("\\viewkind4\\uc1\\trowd\\trgaph108\\trleft%d", 500);
    strDoc += "\\trbrdrt\\brdrs\\brdrw10 \\trbrdrl\\brdrs\\brdrw10 \\trbrdrb\\brdrs\\brdrw10 "
              "\\trbrdrr\\brdrs\\brdrw10 ";

    int x = 600;
    for (int nCol = 0; nCol < nCols; nCol++) {
        int nWidest = 0;
        for (int nRow = 0; nRow < nRows; nRow++) {
            // The markers of superscripts and subscripts take no room.
            CString strShown(cells[nRow * nCols + nCol]);
            strShown.Remove('~');
            strShown.Remove('$');
            const int nSize = MuitByteConvert(NULL, strShown, 0);
            if (nSize > nWidest)
                nWidest = nSize;
        }
        x += nCellUnit * (nWidest + 3) / 2;
        strDoc.AppendFormat("\\clbrdrt\\brdrw15\\brdrs\\clbrdrl\\brdrw15\\brdrs\\clbrdrb\\brdrw15\\brdrs"
                            "\\clbrdrr\\brdrw15\\brdrs \\cellx%d",
                            x);
    }

    CString strRows = "\\pard\\intbl\\kerning2\\f0\\fs21";
    for (int nRow = 0; nRow < nRows; nRow++) {
        for (int nCol = 0; nCol < nCols; nCol++)
            strRows += " " + edit.TransToRTF(CString(cells[nRow * nCols + nCol]), 10.5, "宋体") + " \\cell";
        strRows += "\\row";
        if (nRow < nRows - 1)
            strRows += "\\intbl";
    }
    return strDoc + strRows + "}";
}

// Hands the report's rows to the rich edit control in order.
class CReportPageWriter : public qelt::report::ReportVisitor {
public:
    explicit CReportPageWriter(CRtfEdit& edit) : m_edit(edit) {}

    void OnText(const CWordTextRecord& record) override
    {
        // A colour index outside the table shows black.
        m_edit.WriteText(record.m_strText, record.m_lA, record.m_nB, record.m_nC, record.m_nD,
                         WordColorToColorRef(record.m_nColor), record.m_dSize, record.m_strFont);
    }

    void OnPicture(const CWordRow& row) override
    {
        m_edit.WritePhotograph(&row);
    }

    void OnTable(int nRows, int nCols, const std::vector<std::string>& cells) override
    {
        CHARFORMAT cf = {};
        cf.cbSize = sizeof(cf);
        m_edit.GetSelectionCharFormat(cf);
        m_edit.SetRTF(TableRtf(m_edit, nRows, nCols, cells, cf.yHeight));
    }

private:
    CRtfEdit& m_edit;
};

}  // namespace

CCaltReportDlg::CCaltReportDlg(CWnd* pParentWnd)
    : CCaltPageDlg(IDD_CALT_REPORT, pParentWnd), m_pReport(NULL)
{
}

CCaltReportDlg::~CCaltReportDlg()
{
}

void CCaltReportDlg::DoDataExchange(CDataExchange* pDX)
{
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REPORT_TEXT, m_ctrlReport);
}

BOOL CCaltReportDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();

    CHARFORMAT cf = {};
    cf.cbSize = sizeof(cf);
    m_ctrlReport.GetDefaultCharFormat(cf);
    cf.dwMask = CFM_BOLD | CFM_SIZE | CFM_CHARSET | CFM_FACE;
    cf.dwEffects &= ~CFE_BOLD;
    cf.yHeight = 220;
    cf.bCharSet = GB2312_CHARSET;
    cf.bPitchAndFamily = 2;
    strncpy(cf.szFaceName, "宋体", LF_FACESIZE - 1);
    m_ctrlReport.SetDefaultCharFormat(cf);
    m_ctrlReport.SetWindowText("");
    m_ctrlReport.SendMessage(EM_EMPTYUNDOBUFFER);
    m_ctrlReport.SendMessage(EM_SETREADONLY, TRUE);
    return TRUE;
}

void CCaltReportDlg::OnSize(UINT nType, int cx, int cy)
{
    CCaltPageDlg::OnSize(nType, cx, cy);
    if (m_ctrlReport.m_hWnd)
        m_ctrlReport.MoveWindow(0, 0, cx, cy);
}

void CCaltReportDlg::SetData(CVuskParam* pParam)
{
    m_pReport = pParam ? &pParam->wordC : NULL;
    ShowReport();
}

void CCaltReportDlg::ShowReport()
{
    if (!m_ctrlReport.m_hWnd)
        return;
    m_ctrlReport.SetWindowText("");
    CRect rcClient;
    GetClientRect(&rcClient);
    m_ctrlReport.MoveWindow(0, 0, rcClient.Width(), rcClient.Height());

    if (m_pReport) {
        CReportPageWriter writer(m_ctrlReport);
        qelt::report::WalkReport(*m_pReport, writer);
    }
    m_ctrlReport.SetSel(0, 0);
}
