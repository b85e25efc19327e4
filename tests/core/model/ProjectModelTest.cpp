#include "core/model/ProjectModel.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <set>

namespace qv {
namespace {

// A model on the heap (its tables are large) with n first-order constructs.
std::unique_ptr<ProjectModel> modelWith(int constructs, int indicators = 0) {
    auto model = std::make_unique<ProjectModel>();
    std::vector<std::string> names;
    for (int i = 0; i < indicators; ++i) names.push_back("x" + std::to_string(i));
    model->rebuildIndicators(names);
    for (int c = 0; c < constructs; ++c) model->addConstruct(10 * c, 20 * c);
    return model;
}

// Every cross-reference in range and every count consistent.
void expectInvariants(const ProjectModel& m) {
    ASSERT_GE(m.nConstruct, 0);
    ASSERT_LE(m.nConstruct, kMaxConstructs);
    ASSERT_LE(m.nIndicator, kMaxIndicators);
    ASSERT_LE(m.nTextLabel, kMaxTextLabels);
    std::set<std::pair<int, int>> joined;
    for (int p = 0; p < m.nPath; ++p) {
        const Path& path = m.paths[p];
        ASSERT_TRUE(path.src >= 0 && path.src < m.nConstruct) << "path " << p;
        ASSERT_TRUE(path.dest >= 0 && path.dest < m.nConstruct) << "path " << p;
        ASSERT_NE(path.src, path.dest);
        ASSERT_TRUE(joined.insert(std::minmax(path.src, path.dest)).second) << "duplicate path " << p;
    }
    std::vector<int> assigned(kMaxConstructs, 0), members(kMaxConstructs, 0);
    for (int i = 0; i < m.nIndicator; ++i) {
        const int c = m.indicators[i].construct;
        ASSERT_TRUE(c >= -1 && c < m.nConstruct) << "indicator " << i;
        if (c >= 0) {
            ASSERT_EQ(m.constructs[c].order, 1) << "indicator " << i << " on a second-order construct";
            ++assigned[c];
        }
    }
    bool secondOrder = false;
    for (int c = 0; c < m.nConstruct; ++c) {
        const int parent = m.constructs[c].construct;
        ASSERT_TRUE(parent >= -1 && parent < m.nConstruct) << "construct " << c;
        if (parent >= 0) {
            ASSERT_EQ(m.constructs[parent].order, 2) << "construct " << c << " linked to first order";
            ASSERT_EQ(m.constructs[c].order, 1);
            ++members[parent];
        }
        secondOrder = secondOrder || m.constructs[c].order == 2;
    }
    for (int c = 0; c < m.nConstruct; ++c) {
        const Construct& construct = m.constructs[c];
        if (construct.order == 2) {
            ASSERT_EQ(construct.nCon, members[c]) << "construct " << c;
            ASSERT_EQ(construct.nInd, members[c]) << "construct " << c;
        } else {
            ASSERT_EQ(construct.nInd, assigned[c]) << "construct " << c;
        }
    }
    ASSERT_EQ(m.hasSecondOrder, secondOrder);
}

TEST(ProjectModel, RebuildFromRawDataAndSyncTheIndicatorCount) {
    auto model = modelWith(2, 3);
    model->assignIndicator(1, 0);
    model->nProduct = 0;
    model->rebuildIndicators({"a", "b"});
    EXPECT_EQ(model->nIndicator, 2);
    EXPECT_EQ(model->indicators[1].caption, "b");
    EXPECT_EQ(model->indicators[1].construct, -1);
    EXPECT_EQ(model->constructs[0].nInd, 0);
    Indicator product;
    product.caption = "a_b";
    product.interaction = true;
    ASSERT_TRUE(model->addProductIndicator(product));
    EXPECT_EQ(model->nIndicator, 3);
    model->syncIndicatorCount(10);  // the data now have ten variables
    EXPECT_EQ(model->nIndicator, 11);
    model->resetToEmpty();
    EXPECT_EQ(model->nIndicator + model->nConstruct + model->nProduct + model->nTextLabel, 0);
}

TEST(ProjectModel, AddConstructGivesTheDefaultsAndStopsAt24) {
    auto model = modelWith(0);
    model->currentOrder = 2;
    model->estimated = true;
    ASSERT_TRUE(model->addConstruct(5, 6));
    EXPECT_EQ(model->constructs[0].caption, "Con_0");
    EXPECT_EQ(model->constructs[0].order, 2);
    EXPECT_EQ(model->constructs[0].construct, -1);
    EXPECT_TRUE(model->hasSecondOrder);
    EXPECT_TRUE(model->modified);
    EXPECT_FALSE(model->estimated);
    model->currentOrder = 1;
    for (int c = 1; c < 24; ++c) ASSERT_TRUE(model->addConstruct(c, c));
    EXPECT_EQ(model->constructs[23].caption, "Con_23");
    const EditResult refused = model->addConstruct(1, 1);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.messageKey, "MSG_ExceedMAXConstruct");
    EXPECT_EQ(refused.detail, "24");
    EXPECT_EQ(model->nConstruct, 24);
    EXPECT_EQ(model->constructs[23].x, 23);
}

TEST(ProjectModel, PathsToItselfOrBetweenJoinedConstructsAreRefused) {
    auto model = modelWith(3);
    ASSERT_TRUE(model->addPath(0, 1));
    EXPECT_FALSE(model->addPath(0, 1));
    EXPECT_FALSE(model->addPath(1, 0));
    EXPECT_FALSE(model->addPath(2, 2));
    EXPECT_FALSE(model->addPath(2, 3));
    EXPECT_EQ(model->nPath, 1);
    EXPECT_TRUE(model->addPath(2, 1));
}

TEST(ProjectModel, TextLabelsStopAt100) {
    auto model = modelWith(0);
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(model->addTextLabel(i, i));
    EXPECT_EQ(model->textLabels[0].text, "Text_1");
    const EditResult refused = model->addTextLabel(0, 0);
    EXPECT_EQ(refused.messageKey, "MSG_ExceedMAXTextLabel");
    EXPECT_EQ(refused.detail, "100");
    EXPECT_EQ(model->nTextLabel, 100);
}

TEST(ProjectModel, ProductIndicatorsStop288BeyondAThousandVariables) {
    auto model = modelWith(0, 1000);
    for (int i = 1000; i < 1288; ++i) ASSERT_TRUE(model->addProductIndicator(Indicator{}));
    const EditResult refused = model->addProductIndicator(Indicator{});
    EXPECT_EQ(refused.messageKey, "MSG_ExceedMAXIndicator");
    EXPECT_EQ(model->nProduct, 288);
}

TEST(ProjectModel, DeletingConstructZeroRenumbersThePaths) {
    auto model = modelWith(3, 4);
    model->addPath(0, 1);
    model->addPath(1, 2);
    model->assignIndicator(0, 0);
    model->assignIndicator(1, 2);
    model->paths[1].coefficient = 0.5f;
    model->modified = false;
    model->deleteConstructs({0});
    ASSERT_EQ(model->nPath, 1);
    EXPECT_EQ(model->paths[0].src, 0);
    EXPECT_EQ(model->paths[0].dest, 1);
    EXPECT_EQ(model->paths[0].coefficient, 0);
    EXPECT_EQ(model->indicators[0].construct, -1);
    EXPECT_EQ(model->indicators[1].construct, 1);
    EXPECT_EQ(model->constructs[0].caption, "Con_1");
    EXPECT_TRUE(model->modified);
    expectInvariants(*model);
}

TEST(ProjectModel, DeletingSelectedConstructsOneAfterAnother) {
    auto model = modelWith(5);
    model->deleteConstructs({3, 1, 4});  // 4 is construct "Con_4" still, shifted to 2 then 3
    ASSERT_EQ(model->nConstruct, 2);
    EXPECT_EQ(model->constructs[0].caption, "Con_0");
    EXPECT_EQ(model->constructs[1].caption, "Con_2");
}

TEST(ProjectModel, DeletingASecondOrderConstructFreesItsMembers) {
    auto model = modelWith(2, 2);
    model->currentOrder = 2;
    model->addConstruct(0, 0);  // 2
    model->addConstruct(0, 0);  // 3
    model->currentOrder = 1;
    model->addConstruct(0, 0);  // 4
    model->linkConstruct(0, 2);
    model->linkConstruct(1, 3);
    model->linkConstruct(4, 3);
    model->assignIndicator(1, 4);
    EXPECT_EQ(model->constructs[3].nCon, 2);
    model->deleteConstructs({2});
    EXPECT_EQ(model->constructs[0].construct, -1);
    EXPECT_EQ(model->constructs[1].construct, 2);  // the other second-order one moved down
    EXPECT_EQ(model->constructs[3].construct, 2);
    EXPECT_EQ(model->indicators[1].construct, 3);
    EXPECT_TRUE(model->hasSecondOrder);
    expectInvariants(*model);
    model->deleteConstructs({3});  // a member: its second-order construct loses it
    EXPECT_EQ(model->constructs[2].nCon, 1);
    model->deleteConstructs({2});
    EXPECT_FALSE(model->hasSecondOrder);
    expectInvariants(*model);
}

TEST(ProjectModel, DeletingPathsMovesTheLaterOnesDown) {
    auto model = modelWith(4);
    model->addPath(0, 1);
    model->addPath(1, 2);
    model->addPath(2, 3);
    model->constructs[1].rSquare = 0.4f;
    model->deletePaths({2, 0});
    ASSERT_EQ(model->nPath, 1);
    EXPECT_EQ(model->paths[0].src, 1);
    EXPECT_EQ(model->constructs[1].rSquare, 0);
}

// The constructs joined by paths, indicators and links, named by their captions.
struct Connections {
    std::set<std::pair<std::string, std::string>> paths;
    std::vector<std::string> indicatorOwners;
    std::map<std::string, std::string> parents;
};

Connections connections(const ProjectModel& m) {
    const auto caption = [&m](int c) { return c < 0 ? std::string("-") : m.constructs[c].caption; };
    Connections found;
    for (int p = 0; p < m.nPath; ++p)
        found.paths.insert({caption(m.paths[p].src), caption(m.paths[p].dest)});
    for (int i = 0; i < m.nIndicator; ++i) found.indicatorOwners.push_back(caption(m.indicators[i].construct));
    for (int c = 0; c < m.nConstruct; ++c) found.parents[caption(c)] = caption(m.constructs[c].construct);
    return found;
}

// What deleting the named constructs must leave of the connections.
Connections without(Connections before, const std::set<std::string>& deleted) {
    std::erase_if(before.paths, [&](const auto& path) {
        return deleted.count(path.first) || deleted.count(path.second);
    });
    for (std::string& owner : before.indicatorOwners)
        if (deleted.count(owner)) owner = "-";
    std::erase_if(before.parents, [&](const auto& entry) { return deleted.count(entry.first) > 0; });
    for (auto& [member, parent] : before.parents)
        if (deleted.count(parent)) parent = "-";
    return before;
}

// Random edits, checking after every step that every invariant holds and, after deletions,
// that every surviving path, assignment and link still joins the same constructs.
TEST(ProjectModel, RandomEditsKeepEveryInvariant) {
    auto model = modelWith(0, 30);
    std::mt19937 random(20261207);
    const auto pick = [&random](int below) {
        return std::uniform_int_distribution<int>(0, std::max(0, below - 1))(random);
    };
    int created = 0, deletions = 0;
    for (int step = 0; step < 5000; ++step) {
        const int n = model->nConstruct;
        switch (pick(7)) {
        case 0:
        case 1:
            model->currentOrder = pick(4) == 0 ? 2 : 1;
            if (model->addConstruct(pick(500), pick(500)))
                model->constructs[n].caption = "K" + std::to_string(created++);
            break;
        case 2: model->addPath(pick(n + 1), pick(n + 1)); break;
        case 3: model->assignIndicator(pick(30), pick(n + 1) - 1); break;
        case 4: model->linkConstruct(pick(n), pick(n + 1) - 1); break;
        case 5: {
            // Distinct indices of the selection, in the order the user picked them.
            std::vector<int> selected(static_cast<size_t>(n));
            std::iota(selected.begin(), selected.end(), 0);
            std::shuffle(selected.begin(), selected.end(), random);
            selected.resize(static_cast<size_t>(std::min(pick(3) + 1, n)));
            std::set<std::string> deleted;
            for (const int j : selected) deleted.insert(model->constructs[j].caption);
            std::vector<std::string> names;
            for (int c = 0; c < n; ++c)
                if (!deleted.count(model->constructs[c].caption)) names.push_back(model->constructs[c].caption);
            const Connections expected = without(connections(*model), deleted);
            model->deleteConstructs(selected);
            ++deletions;
            ASSERT_EQ(model->nConstruct, static_cast<int>(names.size()));
            for (int c = 0; c < model->nConstruct; ++c) ASSERT_EQ(model->constructs[c].caption, names[c]);
            const Connections after = connections(*model);
            ASSERT_EQ(after.paths, expected.paths) << "step " << step;
            ASSERT_EQ(after.indicatorOwners, expected.indicatorOwners) << "step " << step;
            ASSERT_EQ(after.parents, expected.parents) << "step " << step;
            break;
        }
        default: {
            std::vector<int> selected;
            for (int k = pick(3); k > 0; --k) selected.push_back(pick(model->nPath));
            const int before = model->nPath;
            model->deletePaths(selected);
            ASSERT_LE(model->nPath, before);
        }
        }
        expectInvariants(*model);
        if (HasFatalFailure()) FAIL() << "after step " << step;
    }
    EXPECT_GT(created, 100);
    EXPECT_GT(deletions, 100);
}

}  // namespace
}  // namespace qv
