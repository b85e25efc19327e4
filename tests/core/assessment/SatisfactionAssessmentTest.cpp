// The assessment of a second data set (satisfaction.txt, six Mode A blocks, centroid scheme)
// against figures this test derives itself from the definitions: case-level scores and
// least-squares fits on the data, not the correlation algebra the assessment uses. The
// outer weights come from the independent reference estimate of the same model.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <locale>
#include <map>
#include <sstream>

#include <Eigen/Dense>
#include <nlohmann/json.hpp>

#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/AssessmentJson.h"
#include "tests/core/support/EngineProject.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;
using Eigen::MatrixXd;
using Eigen::VectorXd;
constexpr double kTolerance = 1e-8;

const std::vector<std::string> kConstructs = {"IMAG", "EXPE", "QUAL", "VAL", "SAT", "LOY"};

// The data file's columns by name, read with the classic locale.
std::map<std::string, VectorXd> readColumns(const std::string& path) {
    std::ifstream in(path);
    in.imbue(std::locale::classic());
    std::string header;
    std::getline(in, header);
    std::istringstream names(header);
    std::vector<std::string> columns{std::istream_iterator<std::string>(names), {}};
    std::vector<std::vector<double>> rows;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        rows.emplace_back(std::istream_iterator<double>(fields), std::istream_iterator<double>());
    }
    std::map<std::string, VectorXd> byName;
    for (size_t c = 0; c < columns.size(); ++c) {
        VectorXd column(static_cast<Eigen::Index>(rows.size()));
        for (size_t r = 0; r < rows.size(); ++r) column(static_cast<Eigen::Index>(r)) = rows[r].at(c);
        byName[columns[c]] = column;
    }
    return byName;
}

VectorXd standardized(const VectorXd& x) {
    const VectorXd centred = x.array() - x.mean();
    return centred / std::sqrt(centred.squaredNorm() / static_cast<double>(x.size() - 1));
}

double correlation(const VectorXd& x, const VectorXd& y) {
    return standardized(x).dot(standardized(y)) / static_cast<double>(x.size() - 1);
}

// R² of y regressed on the columns of x (with an intercept), by least squares on the cases.
double rSquare(const VectorXd& y, const MatrixXd& x) {
    MatrixXd design(x.rows(), x.cols() + 1);
    design << VectorXd::Ones(x.rows()), x;
    const VectorXd fitted = design * design.colPivHouseholderQr().solve(y);
    const VectorXd centred = y.array() - y.mean();
    return 1 - (y - fitted).squaredNorm() / centred.squaredNorm();
}

MatrixXd columnsOf(const std::vector<VectorXd>& columns) {
    MatrixXd m(columns.front().size(), static_cast<Eigen::Index>(columns.size()));
    for (size_t c = 0; c < columns.size(); ++c) m.col(static_cast<Eigen::Index>(c)) = columns[c];
    return m;
}

class SatisfactionAssessmentTest : public EngineProject {
protected:
    void SetUp() override {
        openProject(std::filesystem::path(QV_TEST_DATA_DIR) / "groups", "satisfaction.qvt", "satisfaction.txt");
        if (IsSkipped() || HasFatalFailure()) return;
        workbench_.parameters().innerWeighting = 1;  // centroid, as the reference estimate
        estimate();
        const auto assessment = AssessmentCommand(workbench_).assess();
        ASSERT_TRUE(assessment.has_value());
        json_ = AssessmentJson(*assessment);
        weights_ = assessment->estimate().weights;
        deriveFigures();
    }

    // Blocks, scores and loadings from the reference weights and the standardized data.
    void deriveFigures() {
        const nlohmann::json& model = reference()["model"];
        columns_ = readColumns(std::string(QV_TEST_DATA_DIR) + "/groups/satisfaction.txt");
        for (const std::string& construct : kConstructs) {
            VectorXd score = VectorXd::Zero(columns_.begin()->second.size());
            for (const auto& indicator : model["blocks"][construct]) {
                blocks_[construct].push_back(indicator.get<std::string>());
                score += reference()["results"]["outer_weights"][blocks_[construct].back()].get<double>() *
                         standardized(columns_[blocks_[construct].back()]);
            }
            scores_[construct] = standardized(score);
            for (const std::string& indicator : blocks_[construct])
                loadings_[indicator] = correlation(columns_[indicator], scores_[construct]);
        }
        for (const auto& path : model["paths"]) predictors_[path[1].get<std::string>()].push_back(path[0].get<std::string>());
    }

    static const nlohmann::json& reference() {
        static const nlohmann::json json = nlohmann::json::parse(
            std::ifstream(std::string(QV_TEST_DATA_DIR) + "/reference/e_satisfaction_centroid.json"));
        return json;
    }

    double monotraitMean(const std::string& k, bool geometric) {
        const std::vector<std::string>& block = blocks_[k];
        double sum = 0, logs = 0;
        int count = 0;
        for (size_t a = 0; a < block.size(); ++a)
            for (size_t b = a + 1; b < block.size(); ++b, ++count) {
                const double r = correlation(columns_[block[a]], columns_[block[b]]);
                sum += std::abs(r);
                logs += std::log(r);
            }
        return geometric ? std::exp(logs / count) : sum / count;
    }

    double heterotrait(const std::string& a, const std::string& b, bool geometric) {
        double sum = 0, logs = 0;
        int count = 0;
        for (const std::string& x : blocks_[a])
            for (const std::string& y : blocks_[b]) {
                ++count;
                const double r = correlation(columns_[x], columns_[y]);
                sum += std::abs(r);
                logs += std::log(r);
            }
        const double mean = geometric ? std::exp(logs / count) : sum / count;
        return mean / std::sqrt(monotraitMean(a, geometric) * monotraitMean(b, geometric));
    }

    std::vector<VectorXd> scoresOf(const std::vector<std::string>& constructs) {
        std::vector<VectorXd> s;
        for (const std::string& k : constructs) s.push_back(scores_[k]);
        return s;
    }

    // Least-squares path coefficients of `to` on its predictors' scores.
    VectorXd coefficients(const std::string& to) {
        const MatrixXd x = columnsOf(scoresOf(predictors_[to]));
        return x.colPivHouseholderQr().solve(scores_[to]);
    }

    Json json_;
    VectorXd weights_;
    std::map<std::string, VectorXd> columns_;
    std::map<std::string, std::vector<std::string>> blocks_;
    std::map<std::string, VectorXd> scores_;
    std::map<std::string, double> loadings_;
    std::map<std::string, std::vector<std::string>> predictors_;
};

TEST_F(SatisfactionAssessmentTest, TheEstimateIsTheReferenceEstimate) {
    const nlohmann::json& results = reference()["results"];
    int i = 0;
    for (const std::string& construct : kConstructs)
        for (const std::string& indicator : blocks_[construct])
            EXPECT_NEAR(weights_(i++), results["outer_weights"][indicator].get<double>(), kTolerance) << indicator;
    for (const auto& [construct, value] : results["ave"].items()) {
        EXPECT_NEAR(json_["ave"][construct].get<double>(), value.get<double>(), kTolerance) << construct;
        EXPECT_NEAR(json_["rho_c"][construct].get<double>(), results["composite_reliability"][construct].get<double>(),
                    kTolerance);
        EXPECT_NEAR(json_["alpha"][construct].get<double>(), results["cronbach_alpha_raw"][construct].get<double>(),
                    kTolerance);
    }
}

TEST_F(SatisfactionAssessmentTest, DiscriminantValidityFollowsFromTheItemCorrelations) {
    for (size_t a = 0; a < kConstructs.size(); ++a)
        for (size_t b = 0; b < kConstructs.size(); ++b) {
            if (a == b) continue;
            const std::string& x = kConstructs[a];
            const std::string& y = kConstructs[b];
            SCOPED_TRACE(x + " " + y);
            EXPECT_NEAR(json_["htmt"][x][y].get<double>(), heterotrait(x, y, false), kTolerance);
            EXPECT_NEAR(json_["htmt2"][x][y].get<double>(), heterotrait(x, y, true), kTolerance);
            EXPECT_NEAR(json_["fornell_larcker"]["correlations"][x][y].get<double>(),
                        correlation(scores_[x], scores_[y]), kTolerance);
        }
    for (const std::string& k : kConstructs) {
        double squares = 0;
        for (const std::string& indicator : blocks_[k]) squares += loadings_[indicator] * loadings_[indicator];
        EXPECT_NEAR(json_["fornell_larcker"]["sqrt_ave"][k].get<double>(),
                    std::sqrt(squares / static_cast<double>(blocks_[k].size())), kTolerance);
    }
}

TEST_F(SatisfactionAssessmentTest, CollinearityAndEffectSizesFollowFromRegressionsOnTheCases) {
    for (const std::string& k : kConstructs)
        for (const std::string& indicator : blocks_[k]) {
            std::vector<VectorXd> others;
            for (const std::string& other : blocks_[k])
                if (other != indicator) others.push_back(columns_[other]);
            EXPECT_NEAR(json_["vif_outer"][indicator].get<double>(),
                        1 / (1 - rSquare(columns_[indicator], columnsOf(others))), kTolerance)
                << indicator;
        }
    for (const auto& [to, predictors] : predictors_) {
        const double included = rSquare(scores_[to], columnsOf(scoresOf(predictors)));
        const double n = static_cast<double>(scores_[to].size());
        const double k = static_cast<double>(predictors.size());
        EXPECT_NEAR(json_["r2"][to].get<double>(), included, kTolerance);
        EXPECT_NEAR(json_["r2_adjusted"][to].get<double>(), 1 - (1 - included) * (n - 1) / (n - k - 1), kTolerance);
        for (const std::string& from : predictors) {
            SCOPED_TRACE(from + "->" + to);
            std::vector<std::string> rest;
            for (const std::string& other : predictors)
                if (other != from) rest.push_back(other);
            const double excluded = rest.empty() ? 0 : rSquare(scores_[to], columnsOf(scoresOf(rest)));
            EXPECT_NEAR(json_["f2"][from + "->" + to].get<double>(), (included - excluded) / (1 - included), kTolerance);
            const double vif = rest.empty() ? 1 : 1 / (1 - rSquare(scores_[from], columnsOf(scoresOf(rest))));
            EXPECT_NEAR(json_["vif_inner"][to][from].get<double>(), vif, kTolerance);
        }
    }
}

TEST_F(SatisfactionAssessmentTest, ReliabilityFollowsFromTheDefinitions) {
    for (const std::string& k : kConstructs) {
        SCOPED_TRACE(k);
        const std::vector<std::string>& block = blocks_[k];
        const Eigen::Index size = static_cast<Eigen::Index>(block.size());
        MatrixXd s(size, size);
        VectorXd w(size);
        std::vector<VectorXd> raw;
        for (Eigen::Index a = 0; a < size; ++a) {
            w(a) = reference()["results"]["outer_weights"][block[a]].get<double>();
            raw.push_back(columns_[block[a]]);
            for (Eigen::Index b = 0; b < size; ++b) s(a, b) = correlation(columns_[block[a]], columns_[block[b]]);
        }
        w /= std::sqrt(w.dot(s * w));
        const MatrixXd offDiagonalS = s - MatrixXd(s.diagonal().asDiagonal());
        const MatrixXd outer = w * w.transpose();
        const MatrixXd offDiagonalW = outer - MatrixXd(outer.diagonal().asDiagonal());
        const double rhoA = std::pow(w.dot(w), 2) * w.dot(offDiagonalS * w) / w.dot(offDiagonalW * w);
        EXPECT_NEAR(json_["rho_a"][k].get<double>(), rhoA, kTolerance);
        double sum = 0, uniqueness = 0;
        for (const std::string& indicator : block) {
            sum += loadings_[indicator];
            uniqueness += 1 - loadings_[indicator] * loadings_[indicator];
        }
        EXPECT_NEAR(json_["rho_c"][k].get<double>(), sum * sum / (sum * sum + uniqueness), kTolerance);
        // Alpha from the item and total variances of the raw values.
        const MatrixXd items = columnsOf(raw);
        const auto variance = [](const VectorXd& x) {
            return (x.array() - x.mean()).square().sum() / static_cast<double>(x.size() - 1);
        };
        double itemVariances = 0;
        for (const VectorXd& item : raw) itemVariances += variance(item);
        const double total = variance(items.rowwise().sum());
        const double k2 = static_cast<double>(size);
        EXPECT_NEAR(json_["alpha"][k].get<double>(), k2 / (k2 - 1) * (1 - itemVariances / total), kTolerance);
    }
}

TEST_F(SatisfactionAssessmentTest, EffectsAndFitFollowFromThePathsInOrder) {
    // The paths run forward in construct order, so the implied correlations follow
    // construct by construct.
    const Eigen::Index count = static_cast<Eigen::Index>(kConstructs.size());
    MatrixXd paths = MatrixXd::Zero(count, count);
    std::map<std::string, Eigen::Index> at;
    for (Eigen::Index k = 0; k < count; ++k) at[kConstructs[k]] = k;
    VectorXd r2 = VectorXd::Zero(count);
    for (const auto& [to, predictors] : predictors_) {
        const VectorXd b = coefficients(to);
        for (size_t p = 0; p < predictors.size(); ++p) paths(at[predictors[p]], at[to]) = b(static_cast<Eigen::Index>(p));
        r2(at[to]) = rSquare(scores_[to], columnsOf(scoresOf(predictors)));
    }
    const MatrixXd identity = MatrixXd::Identity(count, count);
    const MatrixXd total = (identity - paths).inverse() - identity;
    for (Eigen::Index from = 0; from < count; ++from)
        for (Eigen::Index to = 0; to < count; ++to) {
            const std::string key = kConstructs[from] + "->" + kConstructs[to];
            const double indirect = total(from, to) - paths(from, to);
            for (const auto& [kind, value] : {std::pair{"direct", paths(from, to)}, {"total", total(from, to)},
                                              {"indirect", indirect}}) {
                if (std::abs(value) <= 1e-12) continue;
                EXPECT_NEAR(json_["effects"][kind][key].get<double>(), value, kTolerance) << kind << " " << key;
            }
        }
    EXPECT_EQ(json_["effects"]["direct"].size(), 10u);

    MatrixXd saturated(count, count), estimated = MatrixXd::Identity(count, count);
    for (Eigen::Index a = 0; a < count; ++a)
        for (Eigen::Index b = 0; b < count; ++b) saturated(a, b) = correlation(scores_[kConstructs[a]], scores_[kConstructs[b]]);
    // IMAG alone is exogenous; each later construct is its predictors' sum plus a disturbance
    // of variance 1 - R² that no earlier construct shares.
    for (Eigen::Index j = 1; j < count; ++j) {
        for (Eigen::Index m = 0; m < j; ++m) {
            double covariance = 0;
            for (Eigen::Index p = 0; p < j; ++p) covariance += paths(p, j) * estimated(p, m);
            estimated(j, m) = estimated(m, j) = covariance;
        }
        double variance = 1 - r2(j);
        for (Eigen::Index p = 0; p < j; ++p)
            for (Eigen::Index q = 0; q < j; ++q) variance += paths(p, j) * paths(q, j) * estimated(p, q);
        estimated(j, j) = variance;
    }
    estimated.diagonal().setOnes();
    std::vector<std::string> indicators;
    std::vector<Eigen::Index> blockOf;
    for (const std::string& k : kConstructs)
        for (const std::string& indicator : blocks_[k]) {
            indicators.push_back(indicator);
            blockOf.push_back(at[k]);
        }
    const auto srmr = [&](const MatrixXd& phi, bool composite) {
        double sum = 0;
        for (size_t i = 0; i < indicators.size(); ++i)
            for (size_t j = 0; j < i; ++j) {
                const double r = correlation(columns_[indicators[i]], columns_[indicators[j]]);
                const double sigma = composite && blockOf[i] == blockOf[j]
                                         ? r
                                         : loadings_[indicators[i]] * loadings_[indicators[j]] * phi(blockOf[i], blockOf[j]);
                sum += (r - sigma) * (r - sigma);
            }
        const double p = static_cast<double>(indicators.size());
        return std::sqrt(sum / (p * (p + 1) / 2));
    };
    EXPECT_NEAR(json_["srmr"]["common_factor"]["saturated"].get<double>(), srmr(saturated, false), kTolerance);
    EXPECT_NEAR(json_["srmr"]["common_factor"]["estimated"].get<double>(), srmr(estimated, false), kTolerance);
    EXPECT_NEAR(json_["srmr"]["composite"]["saturated"].get<double>(), srmr(saturated, true), kTolerance);
    EXPECT_NEAR(json_["srmr"]["composite"]["estimated"].get<double>(), srmr(estimated, true), kTolerance);
}

}  // namespace
}  // namespace qv
