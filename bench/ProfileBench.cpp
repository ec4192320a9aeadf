// The properties of rolled profiles from their dimensions: one profile (what
// selecting a size costs), timed for every size of the catalogue in turn, and
// the whole catalogue at once. Targets: one profile under 1 ms, the catalogue
// under 20 ms; the program says whether each median meets its target.
//
//   baricor-bench-profiles [REPETITIONS]    default 50
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Stats.h"
#include "profiles/ProfileProperties.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

volatile double sink = 0;

void Keep(const baricor::ProfileProperties& p) { sink = sink + p.Wplx + p.Wply + p.J1; }

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    std::vector<const baricor::Profile*> profiles;
    for (const baricor::ProfileFamily& family : baricor::ProfileFamilies()) {
        for (const baricor::Profile& profile : family) profiles.push_back(&profile);
    }

    std::vector<double> single;
    std::vector<double> whole;
    for (int r = 0; r < repetitions; ++r) {
        for (const baricor::Profile* profile : profiles) {
            const auto start = Clock::now();
            Keep(baricor::PropertiesOf(*profile));
            single.push_back(Milliseconds(start, Clock::now()));
        }
        const auto start = Clock::now();
        for (const baricor::Profile* profile : profiles) Keep(baricor::PropertiesOf(*profile));
        whole.push_back(Milliseconds(start, Clock::now()));
    }
    baricor_bench::PrintSummary("one profile", single, "ms");
    baricor_bench::PrintSummary("catalogue (" + std::to_string(profiles.size()) + " profiles)", whole, "ms");
    const bool singleOk = baricor_bench::Percentile(single, 99.0) < 1.0;
    const bool wholeOk = baricor_bench::Median(whole) < 20.0;
    std::printf("one profile, p99 under 1 ms: %s\ncatalogue, median under 20 ms: %s\n", singleOk ? "yes" : "NO",
                wholeOk ? "yes" : "NO");
    return 0;
}
