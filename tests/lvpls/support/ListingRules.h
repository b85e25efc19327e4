#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lvpls::testing {

// Reads a listing the way the workbench does: find a text, skip line ends, read numbers
// from fixed 10-character fields ("%10f": blanks skipped, then at most 10 characters).
class ListingRules {
public:
    explicit ListingRules(std::string text) : text_(std::move(text)) {}

    long find(long start, std::string_view what) const;
    long skipLines(long position, int count) const;
    double number(long position) const;        // NaN when the field holds no number
    std::string word(long position) const;     // "%8s"
    std::string_view lineAt(long position) const;
    const std::string& text() const { return text_; }

    // Sections of the run titled `title`, read as the workbench reads them.
    std::vector<std::vector<double>> pathTable(std::string_view title, int blocks) const;
    struct IndicatorRow {
        std::string name;
        double weight, loading, residual;
    };
    std::vector<IndicatorRow> outerModel(std::string_view title, const std::vector<int>& blockSizes) const;
    std::vector<double> rSquares(std::string_view title, int blocks) const;
    std::vector<std::vector<double>> correlations(std::string_view title, int blocks) const;
    // Q2 and its deviation of the k-th "Crossvalidated" section of the whole listing.
    std::pair<double, double> crossvalidated(int k) const;

private:
    std::string text_;
};

}  // namespace lvpls::testing
