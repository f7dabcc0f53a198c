#include "tests/bench/side_by_side/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace marquill::bench {

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

void printTable(const std::vector<Row>& rows) {
    std::printf("%-44s %12s   %-36s %7s  %s\n", "figure", "MarquillAmp", "against", "ratio", "spread (min-max)");
    for (const Row& row : rows) {
        std::vector<double> ratios;
        for (std::size_t i = 0; i < row.ours.size() && i < row.theirs.size(); ++i) {
            ratios.push_back(row.ours[i] / row.theirs[i]);
        }
        const auto [least, most] = std::minmax_element(ratios.begin(), ratios.end());
        char ours[32];
        char theirs[64];
        std::snprintf(ours, sizeof(ours), "%.2f %s", median(row.ours) * row.unit.perSecondOrByte, row.unit.name);
        std::snprintf(theirs, sizeof(theirs), "%.2f %s %s", median(row.theirs) * row.unit.perSecondOrByte,
                      row.unit.name, row.against.c_str());
        std::printf("%-44s %12s   %-36s %6.2fx  %.2f-%.2f\n", row.figure.c_str(), ours, theirs, median(ratios), *least,
                    *most);
    }
}

}  // namespace marquill::bench
