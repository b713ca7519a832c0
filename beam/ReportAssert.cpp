#include "beam/ReportAssert.h"

#include "mfc/MessageBox.h"
#include "mfc/String.h"

void ReportAssert(const char* source, int line) {
    CString number;
    number.Format("\r\nLine number:   %d", line);
    CString text("              ASSERT Error!\r\n");
    text += source;
    text += number;
    AfxMessageBox(text, MB_OK);
}
