#include "slab/irregular/ServerErrorMessage.h"

#include "com/ComError.h"
#include "mfc/base/String.h"
#include "mfc/user/MessageBox.h"

void ShowServerError(const _com_error& error)
{
    if (error.Error() == E_POINTER) {
        AfxMessageBox("未找到计算服务器,无法计算!", MB_OK | MB_ICONERROR);
        return;
    }
    CString strText;
    strText.Format("计算服务器出错(0x%08X),计算未完成!", static_cast<unsigned>(error.Error()));
    AfxMessageBox(strText, MB_OK | MB_ICONERROR);
}
