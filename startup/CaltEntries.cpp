// The entry functions of the commands: each runs its command in the entry frame with the objects
// of its run.
#include "beam/BeamWellRun.h"
#include "beam/ContinuousBeamRun.h"
#include "checks/flexural/DeepFlexNormalDlg.h"
#include "checks/flexural/DeepFlexNormalParam.h"
#include "checks/flexural/DeepFlexObliqueDlg.h"
#include "checks/flexural/DeepFlexObliqueParam.h"
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexNormalParam.h"
#include "checks/flexural/FlexObliqueDlg.h"
#include "checks/flexural/FlexObliqueParam.h"
#include "checks/members/DiecuttingDlg.h"
#include "checks/members/DiecuttingParam.h"
#include "checks/members/GeneralDlg.h"
#include "checks/members/GeneralParam.h"
#include "checks/members/LocalPressDlg.h"
#include "checks/members/LocalPressParam.h"
#include "checks/members/PillarDlg.h"
#include "checks/members/PillarParam.h"
#include "startup/CaltCommands.h"
#include "startup/CaltEntry.h"
#include "resources/FlexuralResource.h"
#include "resources/MembersResource.h"
#include "resources/StairResource.h"
#include "stair/StairBoardDrawDlg.h"
#include "stair/StairBoardInputDlg.h"
#include "stair/StairBoardOutputDlg.h"
#include "stair/StairBoardParam.h"

int CaltFlexNormal()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnFlexNormalDlg, CStlcnFlexNormalParam, IDD_FLEX_NORMAL> >("C:ZHJMJS");
}

int CaltFlexOblique()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnFlexObliqueDlg, CStlcnFlexObliqueParam, IDD_FLEX_OBLIQUE> >("C:XJMJS");
}

int CaltDeepFlexNormal()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnDeepFlexNormalDlg, CStlcnDeepFlexNormalParam, IDD_DEEP_NORMAL> >(
        "C:SHZHJM");
}

int CaltDeepFlexOblique()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnDeepFlexObliqueDlg, CStlcnDeepFlexObliqueParam, IDD_DEEP_OBLIQUE> >(
        "C:SHXJM");
}

int CaltPillar()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnPillarDlg, CStlcnPillarParam, IDD_PILLAR> >("C:ZHXSHY");
}

int CaltGeneral()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnGeneralDlg, CStlcnGeneralParam, IDD_GENERAL> >("C:WJNJS");
}

int CaltDiecutting()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnDiecuttingDlg, CStlcnDiecuttingParam, IDD_DIECUTTING> >("C:CHQJS");
}

int CaltLocalPress()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnLocalPressDlg, CStlcnLocalPressParam, IDD_LOCALPRESS> >("C:JBSHY");
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

int CaltContinuousBeam()
{
    return CaltRunCommand<CContinuousBeamRun>("C:LXLJS");
}

int CaltBeamWell()
{
    return CaltRunCommand<CBeamWellRun>("C:JZLJS");
}
