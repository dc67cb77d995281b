// Cold start as a whole process: orvo_coldstart (beside this program) is
// spawned again and again; each run's time is from just before the spawn to
// its first painted frame, and its peak memory (VmHWM) at that frame is
// reported as a counter.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

std::string ProgramBeside(const char* name) {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string self = n > 0 ? std::string(path, std::size_t(n)) : std::string("./x");
    return self.substr(0, self.rfind('/') + 1) + name;
}

// Runs the program once; answers its "key value" lines and "spawn", the
// stamp taken just before it started.
std::map<std::string, long long> RunOnce(const std::string& program) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string argv0 = program;
    char* args[] = {argv0.data(), nullptr};
    pid_t child = 0;
    const long long spawned = MonotonicNs();
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed) {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + program);
    }
    std::string output;
    char buffer[512];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, std::size_t(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(program + " failed");
    std::map<std::string, long long> values{{"spawn", spawned}};
    std::istringstream lines(output);
    std::string key;
    long long value = 0;
    while (lines >> key >> value) values[key] = value;
    if (!values.count("frame") || !values.count("hwm_kb")) throw std::runtime_error(program + " printed no frame");
    return values;
}

// One spawn per repetition, so that the report's median is the median run.
void BM_ColdStartToFirstFrame(benchmark::State& state) {
    const std::string program = ProgramBeside("orvo_coldstart");
    std::vector<double> peakKb;
    try {
        static const bool warmed = (RunOnce(program), true);  // every measured run finds the page cache warm
        (void)warmed;
        for (auto _ : state) {
            const auto values = RunOnce(program);
            state.SetIterationTime(double(values.at("frame") - values.at("spawn")) / 1e9);
            peakKb.push_back(double(values.at("hwm_kb")));
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    state.counters["peak_kB"] = peakKb.empty() ? 0.0 : peakKb.back();
}
BENCHMARK(BM_ColdStartToFirstFrame)->UseManualTime()->Iterations(1)->Repetitions(9)->Unit(benchmark::kMillisecond);

}  // namespace
