// A command run by the host program (QELT_PROGRAM, which the test target defines) in a folder of
// the test's own with its own store, on its default input or under a script; what it wrote is read
// back from that folder.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class CommandRun : public testing::Test {
protected:
    explicit CommandRun(const char* pszCommand) : m_command(pszCommand) {}

    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "qelt-command-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // qelt run <command> --store store.db --out out, its output in stdout and stderr; the exit code.
    int Run(const std::string& script) {
        std::string command = "cd '" + m_dir.string() + "' && '" QELT_PROGRAM "' run " + m_command +
                              " --store store.db --out out --quiet";
        if (!script.empty()) {
            std::ofstream(m_dir / "script.txt") << script;
            command += " --script script.txt";
        }
        command += " >stdout 2>stderr";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Read(const std::string& name) {
        std::ifstream file(m_dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    std::string m_command;
    std::filesystem::path m_dir;
};
