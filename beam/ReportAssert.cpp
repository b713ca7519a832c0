#include "beam/ReportAssert.h"

#include "mfc/user/MessageBox.h"
#include "mfc/base/String.h"

void ReportAssert(const char* source, int line) {
    CString number;
    number.Format("\r\nLine number:   %d", line);
    CString text("              ASSERT Error!\r\n");
    text += source;
    text += number;
    AfxMessageBox(text, MB_OK);
}
