// What a user waits for: the built `kor` program started as a process of its
// own on generated data sets, from start to exit, with the peak memory and
// the processor time (user and system) the process used. Each command runs as
// many times as the repetitions ask and the median is reported; `kor
// --version` shows what starting a process costs before any work. The
// minor page faults (pages the kernel filled on first touch) show how
// much memory the process touched and what each page cost. The
// environment variable KOR_BENCH_PROGRAM names another kor program to run
// instead (an earlier build, to compare under the same load).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifndef KOR_EXECUTABLE
#error "KOR_EXECUTABLE names the kor program to run"
#endif

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A folder of this run's own for the data files and everything kor writes;
// never destroyed, so that the clean-up at exit can still name it.
const fs::path& work_folder() {
    static const fs::path* folder = [] {
        std::string pattern = (fs::temp_directory_path() / "kor_process_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return new fs::path(pattern);
    }();
    return *folder;
}

struct Finished {
    int status = -1;
    long peak_kilobytes = 0;
    long minor_faults = 0;
    double cpu_milliseconds = 0.0;
};

double milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

std::string kor_program() {
    const char* other = std::getenv("KOR_BENCH_PROGRAM");
    return other != nullptr && *other != '\0' ? other : KOR_EXECUTABLE;
}

// Runs kor with `args`, its output going to a file in the work folder.
Finished run_kor(const std::vector<std::string>& args) {
    std::vector<std::string> all{kor_program()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const std::string output = (work_folder() / "output.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t child = 0;
    Finished finished;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        rusage usage{};
        if (wait4(child, &finished.status, 0, &usage) == child) {
            finished.peak_kilobytes = usage.ru_maxrss;
            finished.minor_faults = usage.ru_minflt;
            finished.cpu_milliseconds = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return finished;
}

// The generated input file of `cases` x `items`, made once.
std::string data_file(int cases, int items) {
    const fs::path path =
        work_folder() / ("gen_" + std::to_string(cases) + "x" + std::to_string(items) + ".kor");
    if (!fs::exists(path)) {
        const Finished made = run_kor({"generate", "--cases", std::to_string(cases), "--items",
                                       std::to_string(items), "-o", path.string()});
        if (made.status != 0) {
            std::abort();
        }
    }
    return path.string();
}

void time_command(benchmark::State& bench, const std::vector<std::string>& args) {
    long peak = 0;
    long faults = 0;
    double cpu = 0.0;
    for (auto _ : bench) {
        const Finished finished = run_kor(args);
        if (finished.status != 0) {
            bench.SkipWithError("kor failed");
            return;
        }
        peak = std::max(peak, finished.peak_kilobytes);
        faults = std::max(faults, finished.minor_faults);
        cpu = std::max(cpu, finished.cpu_milliseconds);
    }
    bench.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
    bench.counters["cpu_ms"] = cpu;
    bench.counters["minor_faults"] = static_cast<double>(faults);
}

// Starting the program and printing one line: the part of every figure
// below that no work of the program's own can shorten.
void BM_Start(benchmark::State& bench) {
    time_command(bench, {"--version"});
}

void BM_Check(benchmark::State& bench) {
    time_command(bench, {"check", data_file(static_cast<int>(bench.range(0)),
                                            static_cast<int>(bench.range(1)))});
}

void BM_Analyze(benchmark::State& bench) {
    time_command(bench, {"analyze", data_file(static_cast<int>(bench.range(0)),
                                              static_cast<int>(bench.range(1)))});
}

// `kor analyze` of the benchmark's data set, writing `output` as `flag` asks.
void time_analysis_writing(benchmark::State& bench, const std::string& flag,
                           const fs::path& output) {
    time_command(
        bench,
        {"analyze", data_file(static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1))),
         flag, output.string()});
}

void BM_AnalyzeJson(benchmark::State& bench) {
    time_analysis_writing(bench, "--json", work_folder() / "out.json");
}

void BM_AnalyzeSave(benchmark::State& bench) {
    const fs::path results = work_folder() / "saved" / "results.txt";
    fs::create_directories(results.parent_path());
    time_analysis_writing(bench, "--save", results);
}

// The same two commands writing their files anew, as the first analysis of
// a data set does: the files of the last run are removed before the timing.
// Replacing a file costs more: before the new text takes the old one's
// name, the file system writes the new text out (ext4 does so to keep a
// replaced file whole through a crash), about 1.7 ms for 900 KB.
fs::path emptied_folder(const std::string& name) {
    const fs::path folder = work_folder() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void BM_AnalyzeJsonNew(benchmark::State& bench) {
    time_analysis_writing(bench, "--json", emptied_folder("new_json") / "out.json");
}

void BM_AnalyzeSaveNew(benchmark::State& bench) {
    time_analysis_writing(bench, "--save", emptied_folder("new_saved") / "results.txt");
}

// Every command runs 11 times as a process of its own; the median and the
// least (the figure least disturbed by other work on the machine) are reported.
void repeated(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(11);
    bench->ComputeStatistics(
        "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    bench->ReportAggregatesOnly(true);
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Args({9999, 100})->Args({1000, 50});
    bench->ArgNames({"cases", "items"});
    repeated(bench);
}

BENCHMARK(BM_Start)->Apply(repeated);
BENCHMARK(BM_Check)->Apply(sizes);
BENCHMARK(BM_Analyze)->Apply(sizes);
BENCHMARK(BM_AnalyzeJson)->Apply(sizes);
BENCHMARK(BM_AnalyzeSave)->Apply(sizes);
BENCHMARK(BM_AnalyzeJsonNew)->Apply(sizes);
BENCHMARK(BM_AnalyzeSaveNew)->Apply(sizes);

// Removes the work folder when the program ends.
struct RemoveWorkFolder {
    ~RemoveWorkFolder() {
        std::error_code ignored;
        fs::remove_all(work_folder(), ignored);
    }
} remove_work_folder;

}  // namespace

BENCHMARK_MAIN();
