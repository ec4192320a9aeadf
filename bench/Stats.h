#pragma once
// Order statistics of measured durations, shared by the benchmark programs.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace baricor_bench {

// The nearest-rank percentile (p in 0..100) of `values`; 0 for no values.
inline double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0.0;
    const size_t rank = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size())));
    const size_t index = std::min(values.size() - 1, rank == 0 ? 0 : rank - 1);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(index), values.end());
    return values[index];
}

inline double Median(const std::vector<double>& values) { return Percentile(values, 50.0); }

// One line: "<label>  n=…  median …  p99 …  max …" with the values in `unit`.
inline void PrintSummary(const std::string& label, const std::vector<double>& values, const char* unit) {
    std::printf("%-34s n=%-6zu median %9.3f %s   p99 %9.3f %s   max %9.3f %s\n", label.c_str(), values.size(),
                Median(values), unit, Percentile(values, 99.0), unit, Percentile(values, 100.0), unit);
}

}  // namespace baricor_bench
