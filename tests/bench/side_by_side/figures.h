#pragma once

#include <string>
#include <vector>

namespace marquill::bench {

double median(std::vector<double> values);
// The smallest value that at least `fraction` of the values do not exceed.
double percentile(std::vector<double> values, double fraction);

struct Unit {
    const char* name;
    double perSecondOrByte;  // how many of the unit make one second or one byte
};

constexpr Unit kMilliseconds{"ms", 1e3};
constexpr Unit kMegabytes{"MB", 1.0 / (1024 * 1024)};
constexpr Unit kKilobytes{"KB", 1.0 / 1024};

// One line of the table: a figure of MarquillAmp against the same figure of something else, measured in pairs (one
// pair a round). Shown: the medians of both, the median of the pairs' ratios and the ratios' spread.
struct Row {
    std::string figure;
    Unit unit;
    std::string against;
    std::vector<double> ours;
    std::vector<double> theirs;
};

void printTable(const std::vector<Row>& rows);

}  // namespace marquill::bench
