#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/model/ProjectModel.h"
#include "core/results/ResamplingStore.h"

namespace qv {

// Constructs A (a1, a2), B (b1) and C (c1), the paths A -> B and B -> C, and subsample values
// chosen so that the statistics can be worked out by hand.
struct ResamplingTestModel {
    ProjectModel model;
    ResamplingStore store;

    struct Subsample {
        float a1Loading, a1Weight, a2Loading, a2Weight, b1Loading, b1Weight, coefficient;
        // c1 and the path B -> C do not vary.
        float c1 = 1.0f;
        float constantCoefficient = 0.5f;
    };

    ResamplingTestModel() {
        model.rebuildIndicators({"a1", "a2", "b1", "unused", "c1"});
        for (const char* caption : {"A", "B", "C"}) {
            EXPECT_TRUE(model.addConstruct(10 + 50 * model.nConstruct, 10));
            model.constructs[static_cast<size_t>(model.nConstruct - 1)].caption = caption;
        }
        EXPECT_TRUE(model.assignIndicator(0, 0));
        EXPECT_TRUE(model.assignIndicator(1, 0));
        EXPECT_TRUE(model.assignIndicator(2, 1));
        EXPECT_TRUE(model.assignIndicator(4, 2));
        EXPECT_TRUE(model.addPath(0, 1));
        EXPECT_TRUE(model.addPath(1, 2));
    }

    // Entire-sample estimates, then one subsample after another as the listing reader leaves
    // them in the records.
    void estimates(const Subsample& values) {
        Indicator* indicators = model.indicators.data();
        indicators[0].loading = values.a1Loading;
        indicators[0].weight = values.a1Weight;
        indicators[1].loading = values.a2Loading;
        indicators[1].weight = values.a2Weight;
        indicators[2].loading = values.b1Loading;
        indicators[2].weight = values.b1Weight;
        indicators[4].loading = indicators[4].weight = values.c1;
        model.paths[0].coefficient = values.coefficient;
        model.paths[1].coefficient = values.constantCoefficient;
    }
    void subsamples(const Subsample& entire, const std::vector<Subsample>& samples) {
        ASSERT_TRUE(
            store.allocate(static_cast<int>(samples.size()), model.nIndicator, model.nPath));
        for (size_t s = 0; s < samples.size(); ++s) {
            estimates(samples[s]);
            store.record(static_cast<int>(s), model);
        }
        estimates(entire);
    }

    // a1: loading 0.8 over 0.7 0.9 0.8 0.6, weight 0.5 over 0.4 0.6 0.5 0.5; a2: negative
    // loading -0.6 whose subsamples change sign; b1: a weight that does not vary; the path 0.3
    // over 0.2 0.4 0.3 0.3.
    void standardValues() {
        subsamples({0.8f, 0.5f, -0.6f, 0.7f, 1.0f, 1.0f, 0.3f},
                   {{0.7f, 0.4f, -0.5f, 0.6f, 0.9f, 1.0f, 0.2f},
                    {0.9f, 0.6f, 0.7f, 0.8f, 1.0f, 1.0f, 0.4f},
                    {0.8f, 0.5f, -0.6f, 0.7f, 1.0f, 1.0f, 0.3f},
                    {0.6f, 0.5f, -0.6f, 0.7f, 0.95f, 1.0f, 0.3f}});
    }
};

}  // namespace qv
