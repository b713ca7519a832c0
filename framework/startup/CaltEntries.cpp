// The entry functions of the commands: each runs its command in the entry frame with the objects
// of its run.
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexNormalParam.h"
#include "framework/startup/CaltCommands.h"
#include "framework/startup/CaltEntry.h"
#include "resources/FlexuralResource.h"
#include "resources/StairResource.h"
#include "stair/StairBoardDrawDlg.h"
#include "stair/StairBoardInputDlg.h"
#include "stair/StairBoardOutputDlg.h"
#include "stair/StairBoardParam.h"

int CaltFlexNormal()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnFlexNormalDlg, CStlcnFlexNormalParam, IDD_FLEX_NORMAL> >("C:ZHJMJS");
}

// The plate stair's run: input, result, report and drawing pages, the parameters, the work dialog.
class CStairBoardRun {
public:
    CStairBoardInputDlg m_dlgInput;
    CStairBoardOutputDlg m_dlgResult;
    CCaltReportDlg m_dlgReport;
    CStairBoardDrawDlg m_dlgDraw;
    CStairBoardParam m_param;
    CCaltWorkDlg m_dlgWork;

    void AddPages()
    {
        m_dlgWork.AddPage(&m_dlgInput, CString(CALT_INPUT_TITLE), IDD_STAIR_BOARD_INPUT);
        m_dlgWork.AddPage(&m_dlgResult, CString("计算结果"), IDD_STAIR_BOARD_OUTPUT);
        m_dlgWork.AddPage(&m_dlgReport, CString(CALT_REPORT_TITLE), IDD_CALT_REPORT);
        m_dlgWork.AddPage(&m_dlgDraw, CString("绘图预览"), IDD_STAIR_BOARD_DRAW);
    }
};

int CaltStairBoard()
{
    return CaltRunCommand<CStairBoardRun>("C:BSHLTJS");
}
