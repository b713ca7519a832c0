#include "slab/irregular/CmdLineEdit.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Key flags of a Space typed on the keyboard: the space bar's scan code and no other bit.
constexpr UINT kSpaceBarFlags = 0x39;
// Key flags of the Delete key: its scan code with the extended-key bit.
constexpr UINT kDeleteKeyFlags = 0x153;

// The position after leading blanks and an optional sign.
size_t SkipBlanksAndSign(const std::string& s)
{
    size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    return i;
}

// A decimal whole number at the start of s (blanks, sign, digits; reading stops at anything else);
// 0 without digits. Numbers beyond the int range are held at its ends.
int WholeNumber(const CString& text)
{
    const std::string s = text.Str();
    size_t i = SkipBlanksAndSign(s);
    const bool negative = i > 0 && s[i - 1] == '-';
    long long value = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > INT_MAX)
            value = INT_MAX + 1LL;
    }
    value = negative ? -value : value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

// A decimal real number at the start of s (blanks, sign, digits with an optional point and
// exponent); 0 without a number. Words such as "inf" or "nan" are no numbers.
double RealNumber(const CString& text)
{
    const std::string s = text.Str();
    size_t i = SkipBlanksAndSign(s);
    auto digits = [&] {
        const size_t from = i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i;
        return i - from;
    };
    size_t count = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        count += digits();
    }
    if (count == 0)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const size_t mark = i++;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            i = mark;
    }
    return std::strtod(s.substr(0, i).c_str(), nullptr);
}

}  // namespace

BEGIN_MESSAGE_MAP(CCmdLineEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CCmdLineEdit::CCmdLineEdit() : m_nNumber(0), m_dLength(0.0), m_dAngle(0.0) {}

int CCmdLineEdit::ParsePoint(const CString& text, AcGePoint3d& point)
{
    const int comma = text.Find(',');
    if (comma <= 0)
        return 0;
    const CString before = text.Left(comma), after = text.Mid(comma + 1);
    if (after.Find(',') >= 0)
        return 0;
    const int x = WholeNumber(before), y = WholeNumber(after);
    if ((x == 0 && before != "0") || (y == 0 && after != "0"))
        return 0;
    point.set(x, y, 0.0);
    return 1;
}

int CCmdLineEdit::ParsePolar(const CString& text, double& length, double& angle)
{
    const CString entry = text.Mid(1);
    const int less = entry.Find('<');
    if (less <= 0)
        return 0;
    const CString before = entry.Left(less), after = entry.Mid(less + 1);
    if (after.Find(',') >= 0)
        return 0;
    const double l = RealNumber(before), a = RealNumber(after);
    // A zero length is always an error, and so is a number too large to hold.
    if ((a == 0.0 && after != "0") || l == 0.0 || !std::isfinite(l) || !std::isfinite(a))
        return 0;
    length = l;
    angle = a;
    return 1;
}

int CCmdLineEdit::KeepCaretAfterPrompt()
{
    CString text;
    GetWindowText(text);
    const int prompt = text.Find(": ");
    const int limit = prompt + 2;
    int start = 0, end = 0;
    GetSel(start, end);
    if (start < limit)
        SetSel(limit, end > limit ? end : limit);
    return prompt;
}

CString CCmdLineEdit::Classify(const CString& entry)
{
    const char first = entry.GetLength() > 0 ? entry[0] : '\0';
    if (first == 'f')
        return "f";
    if (first == '@') {
        if (ParsePolar(entry, m_dLength, m_dAngle))
            return "AngleInput";
        if (ParsePoint(entry.Mid(1), m_ptInput))
            return "OppCoord";
        return "ErrKey";
    }
    if (entry.Find(',') < 0) {
        const int number = WholeNumber(entry);
        if (number == 0 && entry != "0")
            return "ErrKey";
        m_nNumber = number;
        return "NumInput";
    }
    return ParsePoint(entry, m_ptInput) ? "CoordInput" : "ErrKey";
}

void CCmdLineEdit::OnChar(UINT nChar, UINT, UINT nFlags)
{
    CString text;
    GetWindowText(text);
    const int prompt = text.Find(": ");
    if (nChar != ' ') {
        m_strKeyWord = "other";
        Default();
    } else if (text.GetLength() - prompt < 3) {
        // Nothing typed after the prompt.
        m_strKeyWord = "c";
        Default();
        return;
    } else {
        m_strKeyWord = Classify(text.Mid(prompt + 2));
        // The Space changes the text, and the panel acts on the key word at once.
        Default();
    }
    if (nFlags == kSpaceBarFlags)
        SetSel(prompt + 2, prompt + 2);
}

void CCmdLineEdit::OnKeyDown(UINT, UINT, UINT nFlags)
{
    Default();
    if (nFlags != kDeleteKeyFlags)
        KeepCaretAfterPrompt();
}

void CCmdLineEdit::OnLButtonDown(UINT, CPoint)
{
    Default();
    KeepCaretAfterPrompt();
}

void CCmdLineEdit::OnLButtonUp(UINT, CPoint)
{
    Default();
    KeepCaretAfterPrompt();
}

void CCmdLineEdit::OnMouseMove(UINT, CPoint)
{
    Default();
    KeepCaretAfterPrompt();
}

// No context menu on the command line.
void CCmdLineEdit::OnRButtonDown(UINT, CPoint) {}

BOOL CCmdLineEdit::PreTranslateMessage(MSG* pMsg)
{
    KeepCaretAfterPrompt();
    return CEdit::PreTranslateMessage(pMsg);
}
