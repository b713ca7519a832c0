#include "mfc/user/DataExchange.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "mfc/user/DialogManager.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/base/GbkText.h"
#include "mfc/user/LibraryTexts.h"
#include "mfc/user/MessageBox.h"
#include "mfc/user/ScriptedValues.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND control = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (!control) {
        qelt::ReportMisuse("data exchange with control %d, which the dialog does not have", nIDC);
        Fail();
    }
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_pDlgWnd && m_idLastControl) {
        if (HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl)) {
            qelt::NoteExchangeRefusal(control);
            ::SetFocus(control);
            if (m_bEditLastControl) ::SendMessage(control, EM_SETSEL, 0, -1);
        }
    }
    throw qelt::DataExchangeFailure{};
}

namespace {

// Shows one of the class library's texts with %1 and %2 filled in.
void Tell(const char* text, const CString& first = CString(), const CString& second = CString()) {
    CString message(text);
    message.Replace("%1", first);
    message.Replace("%2", second);
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}

CString TextOf(HWND control) {
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    return text;
}

template <class T>
CString Format(const char* format, T value) {
    CString text;
    text.Format(format, value);
    return text;
}

// Parses the whole text (surrounding blanks aside) as a signed or unsigned whole number within
// [low, high], or as a real number; false when it does not convert.
bool ParseWhole(CString text, long long low, unsigned long long high, long long& value) {
    text.Trim();
    if (text.IsEmpty()) return false;
    const char* begin = text;
    char* end = nullptr;
    errno = 0;
    if (low >= 0) {
        if (begin[0] == '-') return false;
        unsigned long long parsed = std::strtoull(begin, &end, 10);
        if (*end || errno == ERANGE || parsed > high) return false;
        value = static_cast<long long>(parsed);
    } else {
        long long parsed = std::strtoll(begin, &end, 10);
        if (*end || errno == ERANGE || parsed < low || (parsed > 0 && static_cast<unsigned long long>(parsed) > high))
            return false;
        value = parsed;
    }
    return true;
}

bool ParseReal(CString text, double& value) {
    text.Trim();
    if (text.IsEmpty()) return false;
    const char* begin = text;
    char* end = nullptr;
    errno = 0;
    double parsed = std::strtod(begin, &end);
    if (*end || errno == ERANGE || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

template <class T>
void ExchangeWhole(CDataExchange* pDX, int nIDC, T& value, const char* format, const char* refusal) {
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowText(control, Format(format, value));
        return;
    }
    long long parsed = 0;
    if (!ParseWhole(TextOf(control), static_cast<long long>(std::numeric_limits<T>::min()),
                    static_cast<unsigned long long>(std::numeric_limits<T>::max()), parsed)) {
        Tell(refusal);
        pDX->Fail();
    }
    value = static_cast<T>(parsed);
}

template <class T>
void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int digits) {
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format("%.*g", digits, static_cast<double>(value));
        ::SetWindowText(control, text);
        return;
    }
    double parsed = 0;
    if (!ParseReal(TextOf(control), parsed) ||
        (sizeof(T) == sizeof(float) && std::fabs(parsed) > std::numeric_limits<float>::max())) {
        Tell(qelt::texts::kParseReal);
        pDX->Fail();
    }
    value = static_cast<T>(parsed);
}

template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, const char* text, const char* format) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    Tell(text, Format(format, minVal), Format(format, maxVal));
    pDX->Fail();
}

bool IsClass(HWND window, const char* name) {
    char className[32];
    ::GetClassName(window, className, sizeof className);
    return qelt::gbk::CompareNoCase(className, name) == 0;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeWhole(pDX, nIDC, value, "%d", qelt::texts::kParseInt); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeWhole(pDX, nIDC, value, "%u", qelt::texts::kParseUInt); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeWhole(pDX, nIDC, value, "%ld", qelt::texts::kParseInt); }
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) { ExchangeReal(pDX, nIDC, value, DBL_DIG); }
void DDX_Text(CDataExchange* pDX, int nIDC, float& value) { ExchangeReal(pDX, nIDC, value, FLT_DIG); }

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = TextOf(control);
    else ::SetWindowText(control, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = static_cast<int>(::SendMessage(control, BM_GETCHECK, 0, 0));
    else ::SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND first = pDX->PrepareCtrl(nIDC);
    if (!(::GetWindowLong(first, GWL_STYLE) & WS_GROUP)) {
        qelt::ReportMisuse("DDX_Radio: control %d does not begin a group (WS_GROUP)", nIDC);
    }
    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (HWND button : qelt::GroupOf(first)) {
        if (!(::SendMessage(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessage(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessage(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) index = static_cast<int>(::SendMessage(control, CB_GETCURSEL, 0, 0));
    else ::SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = TextOf(control);
    } else if (::SendMessage(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == CB_ERR) {
        ::SetWindowText(control, value);
    }
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = TextOf(control);
        return;
    }
    LRESULT index = ::SendMessage(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
    if (index == CB_ERR) ::SetWindowText(control, value);
    else ::SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) index = static_cast<int>(::SendMessage(control, LB_GETCURSEL, 0, 0));
    else ::SendMessage(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SendMessage(control, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
        return;
    }
    value.Empty();
    const int selected = static_cast<int>(::SendMessage(control, LB_GETCURSEL, 0, 0));
    if (selected < 0) return;
    const int length = static_cast<int>(::SendMessage(control, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0));
    ::SendMessage(control, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(value.GetBufferSetLength(length)));
    value.ReleaseBuffer(length);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(control)) pDX->Fail();
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    CheckRange(pDX, value, minVal, maxVal, qelt::texts::kIntRange, "%d");
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
    CheckRange(pDX, value, minVal, maxVal, qelt::texts::kIntRange, "%u");
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
    CheckRange(pDX, value, minVal, maxVal, qelt::texts::kIntRange, "%ld");
}
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
    CheckRange(pDX, value, minVal, maxVal, qelt::texts::kRealRange, "%.15g");
}
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal) {
    CheckRange(pDX, static_cast<double>(value), static_cast<double>(minVal), static_cast<double>(maxVal),
               qelt::texts::kRealRange, "%.6g");
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    HWND control = pDX->m_pDlgWnd ? ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl) : nullptr;
    if (!control) {
        qelt::ReportMisuse("DDV_MaxChars without a preceding exchange of a control");
        return;
    }
    if (!pDX->m_bSaveAndValidate) {
        ::SendMessage(control, IsClass(control, "ComboBox") ? CB_LIMITTEXT : EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (value.GetLength() > nChars) {
        Tell(qelt::texts::kStringSize, Format("%d", nChars));
        pDX->Fail();
    }
}
