#include "bench/windows/bench_timing.h"

#include <windows.h>

#include <algorithm>

namespace quillot::bench {

double Seconds() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MedianTime(const std::function<void()>& work, int repetitions) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const double start = Seconds();
        work();
        times.push_back(Seconds() - start);
    }
    return Median(times);
}

std::string WithThousands(unsigned long long n) {
    const std::string digits = std::to_string(n);
    std::string result;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) result += ',';
        result += digits[i];
    }
    return result;
}

}  // namespace quillot::bench
