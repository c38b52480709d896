// Medians of the benchmark samples.
#ifndef ZELMORA_BENCH_STATS_H
#define ZELMORA_BENCH_STATS_H

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    size_t middle = samples.size() / 2;
    return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

#endif
