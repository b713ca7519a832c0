// A store file in a fresh temporary folder, opened for a test and removed after it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/Store.h"

class TempStore {
public:
    TempStore() {
        char folder[] = "/tmp/qelt-store-XXXXXX";
        m_folder = mkdtemp(folder);
        m_path = m_folder + "/store.db";
        std::string error = qelt::host::OpenStore(m_path);
        EXPECT_EQ(error, "");
    }
    ~TempStore() {
        qelt::host::CloseStore();
        std::filesystem::remove_all(m_folder);
    }
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    const std::string& Path() const { return m_path; }
    const std::string& Folder() const { return m_folder; }

private:
    std::string m_folder;
    std::string m_path;
};
