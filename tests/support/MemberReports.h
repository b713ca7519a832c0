// The full and the short report of a member check made as the work dialog makes them (the case's
// settings, Calculate, then each report into an empty document), and the whole-report cases that
// compare them with expected rows in tests/<folder>/reports/<case>.txt.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "ReportRows.h"

struct BuiltReports {
    bool built = false;  // both reports said they were built
    std::string full;
    std::string brief;
};

template <class TParam>
BuiltReports MemberReports(const std::function<void(TParam&)>& setup) {
    TParam p;
    setup(p);
    p.Calculate();
    p.wordC.InitData();
    const int fullBuilt = p.BuildWordC();
    p.wordS.InitData();
    const int briefBuilt = p.BuildWordS();
    return BuiltReports{fullBuilt == 1 && briefBuilt == 1, ReportRows(p.wordC), ReportRows(p.wordS)};
}

// A whole-report case: the name of its expected rows and what it sets on the parameters.
template <class TParam>
struct MemberReportCase {
    const char* file;
    std::function<void(TParam&)> setup;
};

template <class TParam>
void PrintTo(const MemberReportCase<TParam>& c, std::ostream* os) {
    *os << c.file;
}

// Both reports of the case are built and read as tests/<folder>/reports/<case>.txt expects.
template <class TParam>
void ExpectReportsAsIn(const std::string& folder, const MemberReportCase<TParam>& c) {
    const BuiltReports reports = MemberReports(c.setup);
    EXPECT_TRUE(reports.built);
    EXPECT_EQ(reports.full, ExpectedReportRowsIn(folder, c.file, "full report"));
    EXPECT_EQ(reports.brief, ExpectedReportRowsIn(folder, c.file, "short report"));
}
