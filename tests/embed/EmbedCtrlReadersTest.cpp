// The edit readers: what reads, what fails, and that a failure leaves the value alone.
#include <gtest/gtest.h>

#include "embed/EmbedCtrlReaders.h"

namespace {

TEST(EmbedCtrlReaders, WholeNumbers) {
    struct Row {
        const char* pszText;
        BOOL bRead;
        int nValue;
    } rows[] = {
        {"  42 ", TRUE, 42},   {"0", TRUE, 0},       {"000", TRUE, 0},    {"007", TRUE, 7},
        {"-5", TRUE, -5},      {"32767", TRUE, 32767}, {"-32768", TRUE, -32768},
        {"", FALSE, 0},        {"   ", FALSE, 0},    {"42a", FALSE, 0},   {"+5", FALSE, 0},
        {"-05", FALSE, 0},     {"1e3", FALSE, 0},    {"4.0", FALSE, 0},   {"40000", FALSE, 0},
        {"-40000", FALSE, 0},  {"99999999999", FALSE, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszText);
        int nValue = 1234;
        EXPECT_EQ(GetCtrlInt(row.pszText, nValue, 32767, -32768), row.bRead);
        EXPECT_EQ(nValue, row.bRead ? row.nValue : 1234);
    }
}

TEST(EmbedCtrlReaders, WholeNumberRange) {
    int nValue = 9;
    EXPECT_FALSE(GetCtrlInt("5", nValue, 100, 6));
    EXPECT_FALSE(GetCtrlInt("101", nValue, 100, 6));
    EXPECT_EQ(nValue, 9);
    EXPECT_TRUE(GetCtrlInt("100", nValue, 100, 6));
    EXPECT_EQ(nValue, 100);
}

TEST(EmbedCtrlReaders, DecimalNumbers) {
    struct Row {
        const char* pszText;
        BOOL bRead;
        double dValue;
    } rows[] = {
        {"1", TRUE, 1.0},          {"2.5", TRUE, 2.5},      {" 0.5 ", TRUE, 0.5},
        {"-3.25", TRUE, -3.25},    {"0", TRUE, 0},          {"1.123456", TRUE, 1.123456},
        {"1.25000001", FALSE, 0},  {"2.5kN", FALSE, 0},     {"1e2", FALSE, 0},
        {"", FALSE, 0},            {"abc", FALSE, 0},       {"nan", FALSE, 0},
        {"inf", FALSE, 0},         {"2000", FALSE, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszText);
        double dValue = 77;
        EXPECT_EQ(GetCtrlDouble(row.pszText, dValue, 1000, -1000), row.bRead);
        EXPECT_DOUBLE_EQ(dValue, row.bRead ? row.dValue : 77);
    }
    double dValue = 77;
    EXPECT_FALSE(GetCtrlDouble("0.0005", dValue, 1000, 0.001));
    EXPECT_EQ(dValue, 77);
}

}  // namespace
