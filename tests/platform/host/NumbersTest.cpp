#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "Printers.h"
#include "host/Numbers.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(Numbers, Ftos) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {2.5, "2.5"},         {3.0, "3"},           {0.0, "0"},           {-0.0, "0"},
        {-1e-7, "0"},         {4e-7, "0"},          {6e-7, "0.000001"},   {0.000001, "0.000001"},
        {1234567.25, "1234567.25"}, {-12.3400, "-12.34"}, {100.0, "100"}, {0.1 + 0.2, "0.3"},
        {1e20, "100000000000000000000"}, {kNaN, "nan"}, {-kInf, "-inf"},
    };
    for (const Case& c : cases) EXPECT_EQ(ftos(c.value), c.text) << c.value;
}

TEST(Numbers, Ftosp) {
    struct Case {
        double value;
        int decimals, a, b;
        const char* text;
    } cases[] = {
        {2.345, 2, 0, 0, "2.35"},
        {2.125, 2, 0, 0, "2.12"},  // exactly halfway: printf's even digit
        {7.0, 0, 0, 0, "7"},
        {3.0, 3, 0, 0, "3.000"},
        {-0.001, 2, 0, 0, "0.00"},
        {-0.006, 2, 0, 0, "-0.01"},
        {5.0, -3, 0, 0, "5"},
        {2.0e5, 1, 1, 5, "2.0×10$5$"},
        {2.1e5, 2, 1, 5, "2.10×10$5$"},
        {31500.0, 2, 1, 0, "3.15×10$4$"},
        {0.00123, 1, 1, 0, "1.2×10$-3$"},
        {99600.0, 1, 1, 0, "1.0×10$5$"},  // the rounded mantissa would be 10.0
        {-2.0e5, 1, 1, 0, "-2.0×10$5$"},
        {0.0, 1, 1, 0, "0.0×10$0$"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ftosp(c.value, c.decimals, c.a, c.b), c.text) << c.value << " " << c.decimals << " " << c.a << " " << c.b;
}

TEST(Numbers, Ftoi) {
    struct Case {
        double value;
        int result;
    } cases[] = {
        {2.5, 3}, {-2.5, -3}, {2.4999, 2}, {-0.4, 0}, {0.5, 1}, {7.0, 7},
        {1e12, INT_MAX}, {-1e12, INT_MIN}, {kNaN, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ftoi(c.value), c.result) << c.value;
}

TEST(Numbers, CheckDouble) {
    struct Case {
        const char* text;
        double upper, lower;
        bool accepted;
        double value;  // when accepted
    } cases[] = {
        {"25", 100, 0, true, 25},
        {"  2.5\t", 100, 0, true, 2.5},
        {"100", 100, 0, true, 100},           // bounds are inside
        {"0", 100, 0, true, 0},
        {"0.000001", 10000, 0.000001, true, 0.000001},
        {"100.0001", 100, 0, false, 0},
        {"-0.1", 100, 0, false, 0},
        {"-5", 0, -10, true, -5},
        {"+5", 10, 0, true, 5},
        {"5.", 10, 0, true, 5},
        {".5", 10, 0, true, 0.5},
        {"1e2", 1000, 0, true, 100},
        {"2.5E-3", 1, 0, true, 0.0025},
        {"", 10, 0, false, 0},
        {"   ", 10, 0, false, 0},
        {".", 10, 0, false, 0},
        {"-", 10, 0, false, 0},
        {"1e", 10, 0, false, 0},
        {"1,5", 10, 0, false, 0},
        {"1.2.3", 10, 0, false, 0},
        {"5 5", 100, 0, false, 0},
        {"12abc", 100, 0, false, 0},
        {"0x10", 100, 0, false, 0},
        {"inf", kInf, 0, false, 0},
        {"nan", 10, 0, false, 0},
        {"1e999", kInf, 0, false, 0},
        {"５", 10, 0, false, 0},              // a full-width digit
        {"5", 0, 10, false, 0},               // bounds crossed: nothing lies between
    };
    for (const Case& c : cases) {
        double value = -123.0;
        BOOL accepted = CheckDouble(c.text, value, c.upper, c.lower);
        EXPECT_EQ(accepted != FALSE, c.accepted) << "\"" << c.text << "\"";
        EXPECT_EQ(value, c.accepted ? c.value : -123.0) << "\"" << c.text << "\"";
    }
}

TEST(Numbers, GetInterNum) {
    EXPECT_DOUBLE_EQ(GetInterNum(0, 1, 10, 3, 5), 2);
    EXPECT_DOUBLE_EQ(GetInterNum(0, 1, 10, 3, 20), 5);     // outside the points: the same line
    EXPECT_DOUBLE_EQ(GetInterNum(10, 3, 0, 1, 2.5), 1.5);  // points in either order
    EXPECT_DOUBLE_EQ(GetInterNum(4, 7, 4, 9, 100), 7);     // x1 == x2
}

}  // namespace
