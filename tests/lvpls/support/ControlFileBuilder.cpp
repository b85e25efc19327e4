#include "tests/lvpls/support/ControlFileBuilder.h"

#include <algorithm>
#include <cstdio>
#include <random>

namespace lvpls::testing {
namespace {

void appendFormatted(std::string& out, const char* format, auto... values) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, values...);
    out.append(buffer, std::size_t(length));
}

// Values of "%4d", a line end after every 18th, then a line end.
void appendBlockRow(std::string& out, const std::vector<int>& values) {
    for (std::size_t k = 0; k < values.size(); ++k) {
        appendFormatted(out, "%4d", values[k]);
        if ((k + 1) % 18 == 0) out += '\n';
    }
    out += '\n';
}

void appendDesign(std::string& out, const ControlRun& run) {
    appendFormatted(out, " 0 011  (2A4,%dF2.0)\n", int(run.blocks.size()));
    for (const BlockSpec& row : run.blocks) {
        appendFormatted(out, "%8s", row.name.c_str());
        for (const BlockSpec& column : run.blocks) {
            const bool path = std::count(run.paths.begin(), run.paths.end(), std::pair(column.name, row.name)) > 0;
            out += path ? " 1" : " .";
        }
        out += '\n';
    }
}

void appendRecords(std::string& out, const ControlRun& run, const DataSet& data, const std::vector<int>& columns) {
    std::vector<int> cases = run.cases;
    if (cases.empty()) {
        for (int c = 0; c < data.values.rows(); ++c) cases.push_back(c);
    }
    for (int c : cases) {
        appendFormatted(out, "\nCase%4d", c + 1);
        for (int column : columns) appendFormatted(out, "%8.2f", data.values(c, column));
    }
    out += '\n';
}

}  // namespace

void appendControlRun(std::string& out, const ControlRun& run, const DataSet& data) {
    const int blocks = int(run.blocks.size());
    int records = run.cases.empty() ? int(data.values.rows()) : int(run.cases.size());
    out += "COMMENT\n" + run.title + "\nCEND\nPLSX\nQuorvanta Version 1.0\n";
    if (run.missingCode) {
        appendFormatted(out, "%4d-%3d   1%d%d%d%d", blocks, records + 1, 2, 2, 5, 4);
    } else {
        appendFormatted(out, "%4d%4d   1%d%d%d%d", blocks, records, 2, 2, 5, 4);
    }
    appendFormatted(out, "   %d%4d   5   %d  %2d  %2d\n", run.scheme, run.maxIterations, run.metric, run.blindTarget,
                    run.blindDistance);
    std::vector<int> counts, modes, ones(run.blocks.size(), 1), columns;
    for (const BlockSpec& block : run.blocks) {
        counts.push_back(int(block.indicators.size()));
        modes.push_back(block.mode);
        for (const std::string& name : block.indicators) columns.push_back(data.column(name));
    }
    appendBlockRow(out, counts);
    appendBlockRow(out, modes);
    appendBlockRow(out, ones);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        appendFormatted(out, "%8s", data.names[columns[i]].c_str());
        if ((i + 1) % 9 == 0) out += '\n';
    }
    if (columns.size() % 9 != 0) out += '\n';
    appendDesign(out, run);
    appendFormatted(out, " 0 0 0 0(2A4,%dF8.%d)", int(columns.size()), 2);
    if (run.missingCode) {
        out += "\nMISSING ";
        for (std::size_t i = 0; i < columns.size(); ++i) appendFormatted(out, "%8d", *run.missingCode);
    }
    appendRecords(out, run, data, columns);
}

std::string sampleCounts(const std::vector<int>& cases, int records) {
    std::vector<int> times(std::size_t(records), 0);
    for (int c : cases) ++times[std::size_t(c)];
    std::string counts;
    for (int t : times) counts += t < 10 ? std::string(1, char('0' + t)) : "(" + std::to_string(t) + ")";
    return counts;
}

std::vector<int> bootstrapCases(int cases, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> draw(0, cases - 1);
    std::vector<int> drawn(std::size_t(cases), 0);
    for (int& c : drawn) c = draw(generator);
    std::sort(drawn.begin(), drawn.end());
    return drawn;
}

}  // namespace lvpls::testing
