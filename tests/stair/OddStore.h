// A value put into a command's store as a damaged file or another program may have left it: one that
// no page would have taken (nan, an infinity, 1e308).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

#include "CommandRun.h"
#include "host/Store.h"

inline void PutStoredDouble(const std::filesystem::path& store, const char* pszKey, double dValue) {
    ASSERT_EQ(qelt::host::OpenStore(store.string()), "");
    EXPECT_TRUE(qelt::host::WriteStoredValue(qelt::host::StoreSpace::Parameters, pszKey,
                                             qelt::host::StoredValue::FromDouble(dValue)));
    qelt::host::CloseStore();
}

// A stored key with a value no page would take, and the range message that refuses it.
struct OddStoredValue {
    const char* key;
    double value;
    const char* message;
};

// A command run on a store that holds one odd value at a time, after a good first run.
class OddStoreCommand : public CommandRun {
protected:
    using CommandRun::CommandRun;

    // Each value is refused with its message before anything is calculated (exit 4): the report
    // of the first run stays, and the store keeps the value as it was put there.
    void ExpectEachRefused(std::initializer_list<OddStoredValue> values, const std::string& report) {
        ASSERT_EQ(Run(""), 0) << Read("stderr");
        namespace fs = std::filesystem;
        fs::copy_file(m_dir / "store.db", m_dir / "first.db");
        const std::string before = Read(report);
        for (const OddStoredValue& odd : values) {
            SCOPED_TRACE(odd.key);
            fs::copy_file(m_dir / "first.db", m_dir / "store.db", fs::copy_options::overwrite_existing);
            PutStoredDouble(m_dir / "store.db", odd.key, odd.value);
            EXPECT_EQ(Run(""), 4);
            EXPECT_NE(Read("stderr").find(odd.message), std::string::npos) << Read("stderr");
            EXPECT_EQ(Read(report), before);
            ASSERT_EQ(qelt::host::OpenStore((m_dir / "store.db").string()), "");
            const std::optional<double> stored =
                qelt::host::ReadStoredDouble(qelt::host::StoreSpace::Parameters, odd.key);
            qelt::host::CloseStore();
            ASSERT_TRUE(stored.has_value());
            EXPECT_TRUE(std::isnan(odd.value) ? std::isnan(*stored) : *stored == odd.value);
        }
    }
};
