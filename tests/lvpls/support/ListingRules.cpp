#include "tests/lvpls/support/ListingRules.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace lvpls::testing {

long ListingRules::find(long start, std::string_view what) const {
    const std::size_t found = text_.find(what, std::size_t(std::max(0L, start)));
    return found == std::string::npos ? -1 : long(found);
}

long ListingRules::skipLines(long position, int count) const {
    for (int i = 0; i < count; ++i) {
        const std::size_t end = text_.find('\n', std::size_t(position));
        if (end == std::string::npos) return long(text_.size());
        position = long(end) + 1;
    }
    return position;
}

double ListingRules::number(long position) const {
    float value = 0;
    if (position < 0 || std::sscanf(text_.c_str() + position, "%10f", &value) != 1) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value;
}

std::string ListingRules::word(long position) const {
    char buffer[9] = {};
    std::sscanf(text_.c_str() + position, "%8s", buffer);
    return buffer;
}

std::string_view ListingRules::lineAt(long position) const {
    const std::size_t end = text_.find('\n', std::size_t(position));
    return std::string_view(text_).substr(std::size_t(position), end - std::size_t(position));
}

std::vector<std::vector<double>> ListingRules::pathTable(std::string_view title, int blocks) const {
    long p = find(find(0, title), "Path coefficients");
    std::vector<std::vector<double>> rows(static_cast<std::size_t>(blocks));
    for (int panel = 0; panel * 12 < blocks; ++panel) {
        p = skipLines(p, 4);
        const int columns = std::min(12, blocks - panel * 12);
        for (int r = 0; r < blocks; ++r) {
            p += 10;
            for (int s = 0; s < columns; ++s, p += 10) rows[std::size_t(r)].push_back(number(p));
            p += 2;
        }
        if ((panel + 1) * 12 < blocks) p = skipLines(p, 4);
    }
    return rows;
}

std::vector<ListingRules::IndicatorRow> ListingRules::outerModel(std::string_view title,
                                                                 const std::vector<int>& blockSizes) const {
    long p = skipLines(find(find(0, title), "Outer Model"), 3);
    std::vector<IndicatorRow> rows;
    for (int size : blockSizes) {
        p = skipLines(p, 2);
        for (int i = 0; i < size; ++i) {
            IndicatorRow row{word(p), number(p + 10), number(p + 20), number(p + 40)};
            rows.push_back(row);
            p = skipLines(p + 40, 1);
        }
    }
    return rows;
}

std::vector<double> ListingRules::rSquares(std::string_view title, int blocks) const {
    long p = skipLines(find(find(0, title), "Inner Model"), 4);
    std::vector<double> values;
    for (int j = 0; j < blocks; ++j) {
        values.push_back(number(p + 30));
        p = skipLines(p + 30, 1);
    }
    return values;
}

std::vector<std::vector<double>> ListingRules::correlations(std::string_view title, int blocks) const {
    long p = find(find(0, title), "Correlations ");
    std::vector<std::vector<double>> rows(static_cast<std::size_t>(blocks));
    for (int first = 0; first < blocks; first += 12) {
        p = skipLines(p, first == 0 ? 4 : 8);
        for (int r = first; r < blocks; ++r) {
            const int values = std::min(r + 1, first + 12) - first;
            for (int s = 0; s < values; ++s) rows[std::size_t(r)].push_back(number(p + 10 + 10 * s));
            p = skipLines(p, 1);
        }
    }
    return rows;
}

std::pair<double, double> ListingRules::crossvalidated(int k) const {
    long p = 0;
    for (int i = 0; i <= k; ++i) {
        p = find(p, "Crossvalidated");
        p = find(p, "Total ");
        if (p < 0) return {std::nan(""), std::nan("")};
        if (i < k) p += 96;
    }
    return {number(p + 42), number(p + 96)};
}

}  // namespace lvpls::testing
