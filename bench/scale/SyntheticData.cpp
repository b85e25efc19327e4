#include "bench/scale/SyntheticData.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <random>
#include <vector>

namespace qv::bench {
namespace {

constexpr double kChainPath = 0.5;

// The construct of every indicator: consecutive runs, the first constructs one longer.
std::vector<int> indicatorConstructs(const SyntheticModel& model) {
    std::vector<int> owner;
    for (int k = 0; k < model.constructs; ++k) {
        const int count = model.indicators / model.constructs + (k < model.indicators % model.constructs ? 1 : 0);
        owner.insert(owner.end(), static_cast<size_t>(count), k);
    }
    return owner;
}

std::string indicatorName(int i) { return "x" + std::to_string(i + 1); }

void writeData(const std::filesystem::path& file, const SyntheticModel& model, const std::vector<int>& owner) {
    std::mt19937_64 generator(model.seed);
    std::normal_distribution<double> normal;
    std::uniform_real_distribution<double> loading(0.7, 0.9);
    std::vector<double> loadings(owner.size());
    for (double& value : loadings) value = loading(generator);
    std::ofstream out(file, std::ios::binary);
    std::string line;
    for (size_t i = 0; i < owner.size(); ++i) line += (i ? " " : "") + indicatorName(static_cast<int>(i));
    out << line << '\n';
    std::vector<double> latent(static_cast<size_t>(model.constructs));
    std::array<char, 32> text;
    for (int c = 0; c < model.cases; ++c) {
        for (size_t k = 0; k < latent.size(); ++k)
            latent[k] = k == 0 ? normal(generator)
                               : kChainPath * latent[k - 1] + std::sqrt(1 - kChainPath * kChainPath) * normal(generator);
        line.clear();
        for (size_t i = 0; i < owner.size(); ++i) {
            const double lambda = loadings[i];
            const double value = lambda * latent[static_cast<size_t>(owner[i])] + std::sqrt(1 - lambda * lambda) * normal(generator);
            const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 3);
            if (i) line += ' ';
            line.append(text.data(), end.ptr);
        }
        out << line << '\n';
    }
}

void writeModel(const std::filesystem::path& file, const std::string& dataFile, const SyntheticModel& model,
                const std::vector<int>& owner) {
    std::ofstream out(file, std::ios::binary);
    out << "[Basic]\nRaw=" << dataFile << "\nPLS=\nBootStrap=\nJackKnife=\nResult=\nConstruct=" << model.constructs
        << "\nIndicator=" << owner.size() << "\nProduct=0\nPath=" << model.constructs - 1 << "\nRadius=25\n[Construct]\n";
    for (int k = 0; k < model.constructs; ++k) {
        const int count = static_cast<int>(std::count(owner.begin(), owner.end(), k));
        out << "Caption_" << k << "=F" << k + 1 << "\nX_" << k << "=" << 80 + 140 * (k % 6) << "\nY_" << k << "="
            << 80 + 120 * (k / 6) << "\nType_" << k << "=0\nNInd_" << k << "=" << count << "\nOrder_" << k
            << "=1\nnCon_" << k << "=0\nConstruct_" << k << "=-1\n";
    }
    out << "[Indicator]\n";
    for (size_t i = 0; i < owner.size(); ++i)
        out << "Caption_" << i << "=" << indicatorName(static_cast<int>(i)) << "\nConstruct_" << i << "=" << owner[i]
            << "\nInteraction_" << i << "=0\n";
    out << "[Path]\n";
    for (int k = 0; k + 1 < model.constructs; ++k) out << "Src_" << k << "=" << k << "\nDest_" << k << "=" << k + 1 << "\n";
    out << "[Parameter]\nMissingValue=-999\nBlindfolding=1\nIterationCycle=0\nSpecification=1\nResult=2\n"
           "InnerWeighting=0\nMaxIteration=100\nDecimal=0\nMetric=0\nBlindFoldingType=0\nBlindFoldingDistance=0\n"
           "[Resampling]\nnSample=100\nCase=0\nJackKnife=1\nSeed=0\nProcess=0\n";
}

}  // namespace

std::filesystem::path WriteSyntheticProject(const std::filesystem::path& folder, const std::string& name,
                                            const SyntheticModel& model) {
    const std::vector<int> owner = indicatorConstructs(model);
    writeData(folder / (name + ".txt"), model, owner);
    const std::filesystem::path modelFile = folder / (name + ".qvt");
    writeModel(modelFile, name + ".txt", model, owner);
    return modelFile;
}

}  // namespace qv::bench
