#include "host/Numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/Problem.h"

namespace {

std::string Fixed(double value, int decimals) {
    int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<std::size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    return text;
}

// Drops the sign of a text that shows zero ("-0.00" → "0.00") and of not-a-number.
std::string Unsigned0(std::string text) {
    if (text[0] == '-' && text.find_first_of("123456789i") == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace

CString ftos(double dValue) {
    std::string text = Fixed(dValue, 6);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return CString(std::string_view(Unsigned0(text)));
}

CString ftosp(double dValue, int nDecimals, int a, int b) {
    int decimals = std::clamp(nDecimals, 0, 20);
    if (a != 1 || !std::isfinite(dValue)) return CString(std::string_view(Unsigned0(Fixed(dValue, decimals))));
    int power = b;
    if (b == 0 && dValue != 0.0) {
        power = static_cast<int>(std::floor(std::log10(std::fabs(dValue))));
        // Rounding may carry the mantissa to 10 (9.96 with one decimal): take the next power.
        if (std::fabs(std::strtod(Fixed(dValue / std::pow(10.0, power), decimals).c_str(), nullptr)) >= 10.0) ++power;
    }
    std::string mantissa = Unsigned0(Fixed(dValue / std::pow(10.0, power), decimals));
    return CString(std::string_view(mantissa + "×10$" + std::to_string(power) + "$"));
}

int ftoi(double dValue) {
    if (std::isnan(dValue)) {
        qelt::host::ReportProblem("ftoi of not-a-number; the result is 0");
        return 0;
    }
    double rounded = std::round(dValue);
    if (rounded > INT_MAX || rounded < INT_MIN) {
        qelt::host::ReportProblem("ftoi of %g, beyond the int range; the nearest end is taken", dValue);
        return rounded > 0 ? INT_MAX : INT_MIN;
    }
    return static_cast<int>(rounded);
}

BOOL CheckDouble(LPCTSTR lpszText, double& dValue, double dUpper, double dLower) {
    if (!lpszText) return FALSE;
    auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    const char* p = lpszText;
    while (blank(*p)) ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    int digits = 0;
    for (; digit(*p); ++p) ++digits;
    if (*p == '.')
        for (++p; digit(*p); ++p) ++digits;
    if (digits == 0) return FALSE;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        if (!digit(*p)) return FALSE;
        while (digit(*p)) ++p;
    }
    const char* end = p;
    while (blank(*p)) ++p;
    if (*p != '\0') return FALSE;

    std::string number(start, end);
    double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value) || value < dLower || value > dUpper) return FALSE;
    dValue = value;
    return TRUE;
}

double GetInterNum(double x1, double y1, double x2, double y2, double x) {
    if (x1 == x2) return y1;
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}
