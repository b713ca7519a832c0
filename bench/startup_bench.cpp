// The host program as a person starts it, a whole process from exec to exit: `qelt list`, and
// `qelt run C:ZHJMJS` on its default input (calculate, write the four reports and the pictures)
// with a store and an output folder of its own, made once in a temporary folder. Wall time: the
// child's work is no CPU time of this process. For the median of several runs:
// bench/startup_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {
namespace fs = std::filesystem;

// A temporary folder for the runs' store and reports, removed at the end.
class RunFolder {
public:
    RunFolder() {
        std::string pattern = (fs::temp_directory_path() / "qelt-startup-XXXXXX").string();
        if (mkdtemp(pattern.data())) m_path = pattern;
    }
    ~RunFolder() {
        if (!m_path.empty()) fs::remove_all(m_path);
    }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

const RunFolder& Folder() {
    static RunFolder folder;
    return folder;
}

// Runs qelt with the arguments, its output discarded; its exit code, or -1.
int Qelt(std::vector<std::string> args) {
    args.insert(args.begin(), QELT_PROGRAM);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    const bool ran = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                     waitpid(pid, &status, 0) == pid && WIFEXITED(status);
    posix_spawn_file_actions_destroy(&actions);
    return ran ? WEXITSTATUS(status) : -1;
}

void Run(benchmark::State& state, const std::vector<std::string>& args) {
    if (Folder().Path().empty()) state.SkipWithError("no temporary folder");
    for (auto _ : state)
        if (Qelt(args) != 0) state.SkipWithError("qelt failed");
}

void BM_List(benchmark::State& state) { Run(state, {"list"}); }

void BM_MemberCheck(benchmark::State& state) {
    const fs::path& folder = Folder().Path();
    Run(state, {"run", "C:ZHJMJS", "--store", (folder / "store.db").string(), "--out", (folder / "out").string(),
                "--quiet"});
}

BENCHMARK(BM_List)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemberCheck)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
