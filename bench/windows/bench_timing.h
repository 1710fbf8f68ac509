// Timing for the benchmarks under Wine: Google Benchmark is not built for
// MinGW here, so these programs time with the performance counter and report
// medians.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillot::bench {

// Seconds since an arbitrary start, from QueryPerformanceCounter.
double Seconds();

// The median of the values (the upper one of an even count); 0 for none.
double Median(std::vector<double> values);

// Runs the work `repetitions` times and returns the median of its times.
double MedianTime(const std::function<void()>& work, int repetitions);

// 1234567 -> "1,234,567".
std::string WithThousands(unsigned long long n);

}  // namespace quillot::bench
