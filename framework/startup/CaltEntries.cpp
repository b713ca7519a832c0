// The entry functions of the commands: each runs its command in the entry frame with the objects
// of its run.
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexNormalParam.h"
#include "checks/members/DiecuttingDlg.h"
#include "checks/members/DiecuttingParam.h"
#include "checks/members/GeneralDlg.h"
#include "checks/members/GeneralParam.h"
#include "checks/members/LocalPressDlg.h"
#include "checks/members/LocalPressParam.h"
#include "checks/members/PillarDlg.h"
#include "checks/members/PillarParam.h"
#include "framework/startup/CaltCommands.h"
#include "framework/startup/CaltEntry.h"
#include "resources/FlexuralResource.h"
#include "resources/MembersResource.h"

int CaltFlexNormal()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnFlexNormalDlg, CStlcnFlexNormalParam, IDD_FLEX_NORMAL> >("C:ZHJMJS");
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
