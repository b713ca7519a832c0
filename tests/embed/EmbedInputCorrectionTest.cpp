// How an edit's text is corrected against its stored value and its limits.
#include <gtest/gtest.h>

#include <cmath>

#include "embed/EmbedInputCorrection.h"

namespace {

TEST(EmbedInputCorrection, IntegerEditAgainstStoredValueAndLimits) {
    const std::vector<EmbedIntLimit> lowerThenUpper = {{TRUE, 6}, {FALSE, 40}};
    struct Row {
        const char* pszText;
        int nStored;
        int nExpected;
        BOOL bRewrite;
    } rows[] = {
        {"20", 10, 20, FALSE},  // inside: taken as typed
        {"2O", 10, 10, TRUE},   // does not read: the stored value
        {"3", 10, 10, TRUE},    // below 6: the stored value, which lies above 6
        {"3", 4, 6, TRUE},      // below 6 with a stored value below it too: the bound
        {"50", 30, 30, TRUE},   // above 40: the stored value
        {"50", 45, 40, TRUE},   // above 40 with a stored value above it too: the bound
        {"bad", 2, 6, TRUE},    // the stored value itself breaks the lower limit
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pszText << " stored " << row.nStored);
        BOOL bRewrite = -1;
        EXPECT_EQ(CorrectIntInput(row.pszText, row.nStored, lowerThenUpper, bRewrite), row.nExpected);
        EXPECT_EQ(bRewrite, row.bRewrite);
    }
}

TEST(EmbedInputCorrection, LaterLimitComparesWithTheCorrectedValue) {
    // Lower 250, then upper 200 (a bound that follows from another input): 100 is raised to 250 and
    // stored, then 250 is above 200 and falls to the smaller of the new stored 250 and 200.
    BOOL bRewrite = FALSE;
    EXPECT_EQ(CorrectIntInput("100", 300, {{TRUE, 250}, {FALSE, 200}}, bRewrite), 200);
    EXPECT_TRUE(bRewrite);
}

TEST(EmbedInputCorrection, ContradictingLimitsKeepTheValueTheyEndOn) {
    // At least 250, at most 200: 200 is raised to 250, then falls back to 200, the value typed.
    BOOL bRewrite = TRUE;
    EXPECT_EQ(CorrectIntInput("200", 200, {{TRUE, 250}, {FALSE, 200}}, bRewrite), 200);
    EXPECT_FALSE(bRewrite);
}

// The range a message names: the largest lower bound (a bound below a real trigger lets the trigger's
// next whole number pass), the smallest upper bound, the reader's ends where no limit bounds a side.
TEST(EmbedInputCorrection, RangeOfTheLimits) {
    struct Row {
        std::vector<EmbedIntLimit> limits;
        int nLower, nUpper;
    } rows[] = {
        {{EmbedLower(45), EmbedUpper(300), EmbedLower(48)}, 48, 300},
        {{EmbedLower(8), EmbedLowerBelow(5, 4.5)}, 8, 32767},
        {{EmbedLowerBelow(7, 6.5)}, 7, 32767},
        {{EmbedLowerBelow(8, 0)}, 0, 32767},
        {{EmbedUpper(6)}, -32768, 6},
        {{EmbedLower(32), EmbedUpper(27)}, 32, 27},
    };
    for (const Row& row : rows) {
        int nLower = 0, nUpper = 0;
        GetIntRange(row.limits, nLower, nUpper);
        EXPECT_EQ(nLower, row.nLower);
        EXPECT_EQ(nUpper, row.nUpper);
    }
}

TEST(EmbedInputCorrection, LowerLimitBelowARealBound) {
    // t at least trunc(1.5·ta + 1) when t < 1.5·ta: with ta 4 (1.5·ta = 6, bound 7) a 6 passes,
    // a 5 becomes the larger of the stored value and 7; with ta 3 (4.5, bound 5) a 4 becomes 5.
    struct Row {
        const char* pszText;
        int nStored;
        double dTrigger;
        int nBound;
        int nExpected;
    } rows[] = {{"6", 8, 6, 7, 6}, {"5", 8, 6, 7, 8}, {"5", 3, 6, 7, 7}, {"4", 3, 4.5, 5, 5}, {"5", 3, 4.5, 5, 5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pszText << " below " << row.dTrigger);
        BOOL bRewrite = FALSE;
        EXPECT_EQ(CorrectIntInput(row.pszText, row.nStored, {EmbedLowerBelow(row.nBound, row.dTrigger)}, bRewrite),
                  row.nExpected);
    }
}

TEST(EmbedInputCorrection, DecimalEdit) {
    struct Row {
        const char* pszText;
        double dStored;
        double dExpected;
        BOOL bRewrite;
    } rows[] = {
        {"12.5", 1, 12.5, FALSE},
        {"12.5kN", 1, 1, TRUE},
        {"-3", 1, 1, TRUE},        // outside 0.001..1000
        {"x", 5000, 1000, TRUE},   // stored value outside the range: clamped
        {"x", NAN, 0.001, TRUE},   // a stored value that is not a number is never passed on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszText);
        BOOL bRewrite = -1;
        EXPECT_DOUBLE_EQ(CorrectDoubleInput(row.pszText, row.dStored, 0.001, 1000, bRewrite), row.dExpected);
        EXPECT_EQ(bRewrite, row.bRewrite);
    }
}

}  // namespace
