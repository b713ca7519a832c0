// A value put into a command's store as a damaged file or another program may have left it: one that
// no page would have taken (nan, an infinity, 1e308).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "host/Store.h"

inline void PutStoredDouble(const std::filesystem::path& store, const char* pszKey, double dValue) {
    ASSERT_EQ(qelt::host::OpenStore(store.string()), "");
    EXPECT_TRUE(qelt::host::WriteStoredValue(qelt::host::StoreSpace::Parameters, pszKey,
                                             qelt::host::StoredValue::FromDouble(dValue)));
    qelt::host::CloseStore();
}
