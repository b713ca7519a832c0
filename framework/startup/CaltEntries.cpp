// The entry functions of the commands: each runs its command in the entry frame with the objects
// of its run.
#include "beam/BeamWellRun.h"
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexNormalParam.h"
#include "framework/startup/CaltCommands.h"
#include "framework/startup/CaltEntry.h"
#include "resources/FlexuralResource.h"

int CaltFlexNormal()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnFlexNormalDlg, CStlcnFlexNormalParam, IDD_FLEX_NORMAL> >("C:ZHJMJS");
}

int CaltBeamWell()
{
    return CaltRunCommand<CBeamWellRun>("C:JZLJS");
}
