// The value below which the given share of the values lies.
#pragma once

#include <algorithm>
#include <vector>

inline double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}
