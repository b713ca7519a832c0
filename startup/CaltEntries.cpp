// The entry functions of the commands: each runs its command in the entry frame with the objects
// of its run.
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexNormalParam.h"
#include "startup/CaltCommands.h"
#include "startup/CaltEntry.h"
#include "resources/FlexuralResource.h"

int CaltFlexNormal()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnFlexNormalDlg, CStlcnFlexNormalParam, IDD_FLEX_NORMAL> >("C:ZHJMJS");
}
