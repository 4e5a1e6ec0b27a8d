// A rolling history for the chart tests: arrays of a size whose newest entries are the given
// samples (oldest first).
#pragma once
#include "display/ChartBuckets.h"

#include <utility>
#include <vector>

struct History {
    std::vector<double> times, values;
    int count = 0;
    History(int size, std::vector<std::pair<double, double>> samples) : times(size, 0.0), values(size, 0.0)
    {
        count = static_cast<int>(samples.size());
        for (int k = 0; k < count; ++k) {
            times[size - count + k] = samples[k].first;
            values[size - count + k] = samples[k].second;
        }
    }
    HistoryView View() const { return HistoryView{times.data(), values.data(), static_cast<int>(times.size()), count}; }
};
