#include <gtest/gtest.h>

#include "Printers.h"
#include "framework/InputValidator.h"

namespace {

struct ValidatorCase {
    const char* text;
    BOOL real;
    BOOL letters;
    BOOL integer;
};

// Every text against the three kinds.
const ValidatorCase kCases[] = {
    {"", TRUE, TRUE, TRUE},
    {"0", TRUE, FALSE, TRUE},
    {"05", FALSE, FALSE, FALSE},
    {"0.5", TRUE, FALSE, FALSE},
    {"00.5", TRUE, FALSE, FALSE},
    {"5.", TRUE, FALSE, FALSE},
    {".5", FALSE, FALSE, FALSE},
    {"1.2.3", FALSE, FALSE, FALSE},
    {"-1", FALSE, FALSE, FALSE},
    {"1e5", FALSE, FALSE, FALSE},
    {"Abc", FALSE, TRUE, FALSE},
    {"12 ", FALSE, FALSE, FALSE},
    {"宋", FALSE, FALSE, FALSE},
    {"120", TRUE, FALSE, TRUE},
};

TEST(InputValidator, TruthTableOfTheThreeKinds)
{
    for (const ValidatorCase& c : kCases) {
        CString text(c.text);
        SCOPED_TRACE(text);
        EXPECT_EQ(c.real, IsValidInputString(text, text.GetLength(), INPUT_UNSIGNED_REAL));
        EXPECT_EQ(c.letters, IsValidInputString(text, text.GetLength(), INPUT_LETTERS));
        EXPECT_EQ(c.integer, IsValidInputString(text, text.GetLength(), INPUT_UNSIGNED_INT));
        EXPECT_EQ(CString(c.text), text);
    }
}

TEST(InputValidator, UnknownKindAcceptsAnything)
{
    CString text("-1e5宋");
    EXPECT_TRUE(IsValidInputString(text, text.GetLength(), 3));
}

TEST(InputValidator, ReadsOnlyTheGivenLength)
{
    CString text("12x");
    EXPECT_TRUE(IsValidInputString(text, 2, INPUT_UNSIGNED_INT));
    EXPECT_TRUE(IsValidInputString(text, 0, INPUT_UNSIGNED_INT));
    // A length beyond the text is cut to the text, never read past its end.
    CString digits("12");
    EXPECT_TRUE(IsValidInputString(digits, 50, INPUT_UNSIGNED_INT));
    EXPECT_FALSE(IsValidInputString(text, 50, INPUT_UNSIGNED_INT));
}

// The bounds as the host writes numbers: no trailing zeros, six decimals at most.
TEST(InputValidator, RangeMessageNamesBothBounds)
{
    EXPECT_EQ(CString("输入值应在0.5与2之间"), RangeMessage(0.5, 2.0));
    EXPECT_EQ(CString("输入值应在0.000001与100000之间"), RangeMessage(0.000001, 100000));
}

}  // namespace
