#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "mfc/base/Object.h"

namespace {

class CTestParam : public CObject {
    DECLARE_DYNCREATE(CTestParam)
};
IMPLEMENT_DYNCREATE(CTestParam, CObject)

class CTestFlexParam : public CTestParam {
    DECLARE_DYNAMIC(CTestFlexParam)
};
IMPLEMENT_DYNAMIC(CTestFlexParam, CTestParam)

class CTestUnnamed : public CTestParam {};  // answers its base's record

}  // namespace

TEST(CObject, RunTimeClassNamesAndDerivation) {
    CTestFlexParam flex;
    CTestUnnamed unnamed;
    EXPECT_STREQ(flex.GetRuntimeClass()->m_lpszClassName, "CTestFlexParam");
    EXPECT_STREQ(unnamed.GetRuntimeClass()->m_lpszClassName, "CTestParam");
    EXPECT_TRUE(flex.IsKindOf(RUNTIME_CLASS(CTestParam)));
    EXPECT_TRUE(flex.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(CTestParam().IsKindOf(RUNTIME_CLASS(CTestFlexParam)));
    EXPECT_EQ(RUNTIME_CLASS(CTestFlexParam)->m_nObjectSize, static_cast<int>(sizeof(CTestFlexParam)));
    EXPECT_FALSE(flex.IsSerializable());
}

TEST(CObject, DynamicCreation) {
    CObject* created = RUNTIME_CLASS(CTestParam)->CreateObject();
    ASSERT_NE(created, nullptr);
    EXPECT_STREQ(created->GetRuntimeClass()->m_lpszClassName, "CTestParam");
    delete created;

    qelt::test::ExpectedMisuses misuses;
    EXPECT_EQ(RUNTIME_CLASS(CTestFlexParam)->CreateObject(), nullptr);
    EXPECT_EQ(misuses.Count(), 1);
}
