// Start-up, window opening and memory of the real program. Each run starts the
// program from the folder that holds Immagini/, as a user's desktop does, with
// the probe plugin loaded into it (probe/StartupProbe.cpp), and reads back:
//   - start to main window shown: from just before the program is started until
//     its main window has been painted;
//   - a section window opened: from the click on its button until it has been
//     painted, for each of the eight, in the same run;
//   - peak resident memory with all nine windows open;
//   - a derived-properties window opened: from F3's entry in its section
//     window until it has been painted, for each of the eight;
//   - peak resident memory with the eight derived windows open as well.
//
//   baricor-bench-startup [RUNS, default 30] [PROGRAM, default the built one]
// The platform is offscreen unless QT_QPA_PLATFORM says otherwise.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "Shapes.h"
#include "Stats.h"

extern char** environ;

namespace {

long long Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Memory {
    double peakMb = -1;
    double anonMb = -1;
    double fileMb = -1;
};

struct Run {
    double shownMs = -1;
    std::map<int, double> openMs;
    std::map<int, double> derivedMs;
    Memory nine;       // the main window and the eight section windows
    Memory seventeen;  // and the eight derived windows
};

// Starts the program once and reads what the probe reports.
bool RunOnce(const char* program, Run& run) {
    int out[2];
    if (pipe(out) != 0) return false;
    const long long start = Now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        // The platform's notices would only clutter the figures.
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) dup2(quiet, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        if (chdir(BARICOR_PICTURES_DIR) != 0) _exit(126);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    FILE* reports = fdopen(out[0], "r");
    char line[256];
    while (std::fgets(line, sizeof line, reports)) {
        long long at = 0;
        int number = 0;
        long hwm = 0, anon = 0, file = 0;
        if (std::sscanf(line, "shown %lld", &at) == 1) run.shownMs = (at - start) / 1e6;
        else if (std::sscanf(line, "open %d %lld", &number, &at) == 2) run.openMs[number] = at / 1e6;
        else if (std::sscanf(line, "derived %d %lld", &number, &at) == 2) run.derivedMs[number] = at / 1e6;
        else if (std::sscanf(line, "peak9 %ld %ld %ld", &hwm, &anon, &file) == 3)
            run.nine = {hwm / 1024.0, anon / 1024.0, file / 1024.0};
        else if (std::sscanf(line, "peak %ld %ld %ld", &hwm, &anon, &file) == 3)
            run.seventeen = {hwm / 1024.0, anon / 1024.0, file / 1024.0};
    }
    std::fclose(reports);
    int status = 0;
    waitpid(child, &status, 0);
    const size_t shapes = baricor::AllShapes().size();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.shownMs >= 0 && run.openMs.size() == shapes &&
           run.derivedMs.size() == shapes && run.nine.peakMb > 0 && run.seventeen.peakMb > 0;
}

// The memory figures of every run, at one moment.
struct MemorySeries {
    std::vector<double> peak, anon, file;
    void Add(const Memory& m) {
        peak.push_back(m.peakMb);
        anon.push_back(m.anonMb);
        file.push_back(m.fileMb);
    }
    void Print(const std::string& moment) const {
        baricor_bench::PrintSummary("peak RSS, " + moment, peak, "MB");
        baricor_bench::PrintSummary("  of which heap and stacks", anon, "MB");
        baricor_bench::PrintSummary("  of which mapped files", file, "MB");
    }
};

// Each opening of a kind of window, and the openings by window number.
struct Openings {
    std::vector<double> all;
    std::map<int, std::vector<double>> byNumber;
    void Add(const std::map<int, double>& run) {
        for (const auto& [number, ms] : run) {
            all.push_back(ms);
            byNumber[number].push_back(ms);
        }
    }
    void Print(const std::string& each, const std::string& any) const {
        for (const auto& [number, ms] : byNumber)
            baricor_bench::PrintSummary("Trave" + std::to_string(number) + each, ms, "ms");
        baricor_bench::PrintSummary(any, all, "ms");
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    const char* program = argc > 2 ? argv[2] : BARICOR_PROGRAM;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_PLUGIN_PATH", BARICOR_PROBE_PLUGIN_PATH, 1);
    setenv("QT_QPA_GENERIC_PLUGINS", "baricorprobe", 1);

    std::printf("%d runs of %s on the %s platform\n", runs, program, std::getenv("QT_QPA_PLATFORM"));
    std::vector<double> shown;
    Openings opened, derived;
    MemorySeries nine, seventeen;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!RunOnce(program, run)) {
            std::fprintf(stderr, "run %d: the program did not report all its windows\n", i + 1);
            return 1;
        }
        shown.push_back(run.shownMs);
        opened.Add(run.openMs);
        derived.Add(run.derivedMs);
        nine.Add(run.nine);
        seventeen.Add(run.seventeen);
    }
    baricor_bench::PrintSummary("start to main window shown", shown, "ms");
    opened.Print(" opened", "any section window opened");
    nine.Print("nine windows open");
    derived.Print(" derived opened", "any derived window opened");
    seventeen.Print("seventeen windows open");
    return 0;
}
