#pragma once
// Figures the tests compute from their definitions, to hold the program's
// own against, and the cells of a CSV row.

#include <cmath>
#include <string>
#include <vector>

namespace kor::testing {

// The Pearson correlation (denominators N) of x and y.
inline double pearson(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        mx += x[i] / n;
        my += y[i] / n;
    }
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

// The cells of a CSV row that quotes no cell.
inline std::vector<std::string> comma_cells(const std::string& row) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t comma = row.find(','); comma != std::string::npos;
         comma = row.find(',', start)) {
        cells.push_back(row.substr(start, comma - start));
        start = comma + 1;
    }
    cells.push_back(row.substr(start));
    return cells;
}

}  // namespace kor::testing
