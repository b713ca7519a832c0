// The texts of a dialog's edit boxes as data exchange reads them into an int, a UINT, a long, a
// double and a float: the input's lines, one a box, typed in and applied.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "mfc/Afx.h"
#include "mfc/person/UserScript.h"
#include "DataExchangeIds.h"

namespace {

class CNumbersDlg : public CDialog {
public:
    CNumbersDlg() : CDialog(IDD_NUMBERS) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_INT, m_int);
        DDX_Text(pDX, IDC_UINT, m_uint);
        DDX_Text(pDX, IDC_LONG, m_long);
        DDX_Text(pDX, IDC_DOUBLE, m_double);
        DDX_Text(pDX, IDC_FLOAT, m_float);
    }
    afx_msg void OnApply() { UpdateData(TRUE); }
    DECLARE_MESSAGE_MAP()

private:
    int m_int = 0;
    UINT m_uint = 0;
    long m_long = 0;
    double m_double = 0.0;
    float m_float = 0.0f;
};

BEGIN_MESSAGE_MAP(CNumbersDlg, CDialog)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    qelt::UserScript script;
    std::string line;
    for (int id = IDC_INT; id <= IDC_FLOAT; ++id) {
        if (!std::getline(lines, line)) line.clear();
        script.Set(id, CString(line.c_str()));
    }
    script.Click(IDC_APPLY);
    qelt::ScopedUserScript installed(script);
    CNumbersDlg dlg;
    dlg.DoModal();
    return 0;
}
