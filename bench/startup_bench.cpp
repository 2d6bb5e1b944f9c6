// Start-up to a shown window, and resident memory then, of every program on the virtual board
// against a bare Qt window built from the same Qt: each binary (<build>/<name>/<name>) started
// RUNS times (default 15) offscreen with a preloaded probe that notes when the first window has
// been painted. Prints a Markdown table of medians.   startup_bench [RUNS]

#include "Programs.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    long long microseconds;
    long kib;
};

bool runOnce(const std::string& binary, bool virtualBoard, const std::string& out, Sample& sample)
{
    std::filesystem::remove(out);
    pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("LD_PRELOAD", SHOWN_PROBE, 1);
        setenv("BOARD_PROBE_OUT", out.c_str(), 1);
        const long long t0 = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
        setenv("BOARD_PROBE_T0", std::to_string(t0).c_str(), 1);
        if (virtualBoard)
            execl(binary.c_str(), binary.c_str(), "--com1=virtual", static_cast<char*>(nullptr));
        else
            execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    std::ifstream in(out);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && (in >> sample.microseconds >> sample.kib);
}

template <class T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    char dir[] = "/tmp/startup-bench-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_RUNTIME_DIR", dir, 1);
    const std::string out = std::string(dir) + "/shown";
    struct Binary {
        std::string name, path;
        bool virtualBoard;
    };
    std::vector<Binary> binaries{{"bare Qt window", BARE_WINDOW, false}};
    for (const Program& p : programs()) {
        const std::string name = p.name.toStdString();
        binaries.push_back({name, std::string(BUILD_DIR) + "/" + name + "/" + name, true});
    }
    std::printf("Start-up to the first window painted (offscreen, `--com1=virtual`), median of %d runs:\n\n", runs);
    std::puts("| program | start-up to shown | against the bare window | resident memory then | against the bare window |");
    std::puts("|---|---|---|---|---|");
    double bareTime = 0;
    long bareKib = 0;
    for (const Binary& b : binaries) {
        std::vector<long long> times;
        std::vector<long> kibs;
        for (int i = 0; i < runs; ++i) {
            Sample s{};
            if (!runOnce(b.path, b.virtualBoard, out, s)) {
                std::fprintf(stderr, "startup_bench: %s did not show a window (is it built?)\n", b.path.c_str());
                return 1;
            }
            times.push_back(s.microseconds);
            kibs.push_back(s.kib);
        }
        const double ms = double(median(times)) / 1000.0;
        const long kib = median(kibs);
        if (!b.virtualBoard) {
            bareTime = ms;
            bareKib = kib;
            std::printf("| %s | %.1f ms | | %ld KiB | |\n", b.name.c_str(), ms, kib);
        } else {
            std::printf("| %s | %.1f ms | %+.1f ms | %ld KiB | %+ld KiB |\n", b.name.c_str(), ms, ms - bareTime, kib, kib - bareKib);
        }
    }
    std::filesystem::remove_all(dir);
    return 0;
}
