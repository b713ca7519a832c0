// Lookup of a material grade by its exact text in a table of grade records (each with a `name`),
// shared by the concrete and the steel tables. An unknown or null text is reported and gives the
// value 0.
#pragma once

#include <cstddef>
#include <cstring>

#include "host/Problem.h"
#include "mfc/base/Encoding.h"
#include "win/WinTypes.h"

namespace qelt::host {

template <typename Grade, std::size_t N>
const Grade* FindGrade(const Grade (&table)[N], LPCTSTR text, const char* kind) {
    if (text)
        for (const Grade& grade : table)
            if (std::strcmp(grade.name, text) == 0) return &grade;
    ReportProblem("unknown %s grade \"%s\"; its values are 0", kind,
                  text ? text::GbkToUtf8ForDisplay(text).c_str() : "(null)");
    return nullptr;
}

// value(grade) for a known grade, 0 for an unknown one.
template <typename Grade, std::size_t N, typename Value>
double GradeValue(const Grade (&table)[N], LPCTSTR text, const char* kind, Value value) {
    const Grade* grade = FindGrade(table, text, kind);
    return grade ? value(*grade) : 0.0;
}

}  // namespace qelt::host
