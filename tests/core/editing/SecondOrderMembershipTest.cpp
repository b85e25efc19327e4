#include <gtest/gtest.h>

#include "core/editing/SecondOrderMembership.h"
#include "tests/core/editing/DialogSession.h"

namespace qv {
namespace {

// F1, F2 and F3 are free first-order constructs, P has a path to Y, F3 belongs to T;
// S is the second-order construct the dialog configures.
struct Membership : ::testing::Test {
    test::DialogSession session;
    ProjectModel& model = *session.model;
    int f1 = 0, f2 = 0, p = 0, y = 0, f3 = 0, s = 0, t = 0;

    void SetUp() override {
        model.rebuildIndicators({"a", "b", "c", "d", "e"});
        f1 = session.addConstruct("F1", {0});
        f2 = session.addConstruct("F2", {1});
        p = session.addConstruct("P", {2});
        y = session.addConstruct("Y", {3});
        f3 = session.addConstruct("F3", {4});
        s = session.addConstruct("S", {}, 2);
        t = session.addConstruct("T", {}, 2);
        model.addPath(p, y);
        model.linkConstruct(f3, t);
        model.modified = false;
    }
};

TEST_F(Membership, OffersOnlyFreeFirstOrderConstructsWithoutPaths) {
    SecondOrderMembership dialog(session.context(), s);
    dialog.show();
    EXPECT_EQ(dialog.captions(dialog.freeConstructs()), (std::vector<std::string>{"F1", "F2"}));
    EXPECT_TRUE(dialog.members().empty());
    EXPECT_EQ(dialog.name, "S");
    EXPECT_EQ(dialog.modeTexts(), (std::vector<std::string>{"Reflective", "Formative"}));
    SecondOrderMembership other(session.context(), t);
    other.show();
    EXPECT_EQ(other.captions(other.members()), std::vector<std::string>{"F3"});
    EXPECT_EQ(other.captions(other.freeConstructs()), (std::vector<std::string>{"F1", "F2"}));
    EXPECT_TRUE(session.user.events().empty());
}

TEST_F(Membership, AssignAndOkLinkTheMembersAndCountThem) {
    SecondOrderMembership dialog(session.context(), s);
    dialog.show();
    dialog.assign({1, 0});
    EXPECT_TRUE(model.modified) << "Assign marks the model at once";
    EXPECT_EQ(model.constructs[f1].construct, -1) << "links wait for OK";
    dialog.name = "Brand";
    dialog.mode = 1;
    ASSERT_TRUE(dialog.ok());
    const Construct& brand = model.constructs[s];
    EXPECT_EQ(brand.caption, "Brand");
    EXPECT_EQ(brand.type, 1);
    EXPECT_EQ(brand.nCon, 2);
    EXPECT_EQ(brand.nInd, 2);
    EXPECT_EQ(model.constructs[f1].construct, s);
    EXPECT_EQ(model.constructs[f2].construct, s);
    dialog.show();
    EXPECT_EQ(dialog.captions(dialog.members()), (std::vector<std::string>{"F1", "F2"}));
    dialog.remove({0, 1});
    EXPECT_EQ(dialog.captions(dialog.freeConstructs()), (std::vector<std::string>{"F1", "F2"}));
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(model.constructs[s].nCon, 0);
    EXPECT_EQ(model.constructs[s].nInd, 0);
    EXPECT_EQ(model.constructs[f2].construct, -1);
}

TEST_F(Membership, CancelAfterAssignKeepsTheLinksButTheModelIsModified) {
    {
        SecondOrderMembership dialog(session.context(), s);
        dialog.show();
        dialog.assign({0});
    }
    EXPECT_TRUE(model.modified);
    EXPECT_EQ(model.constructs[f1].construct, -1);
    EXPECT_EQ(model.constructs[s].nCon, 0);
}

TEST_F(Membership, NameChecksKeepTheDialogOpen) {
    SecondOrderMembership dialog(session.context(), s);
    dialog.show();
    dialog.assign({0});
    for (const auto& [name, key] : std::vector<std::pair<std::string, std::string>>{
             {"my S ", "MSG_NoSpace"}, {"c", "MSG_DuplicateName1"}, {"T", "MSG_DuplicateName2"}}) {
        dialog.name = name;
        EXPECT_FALSE(dialog.ok()) << name;
        EXPECT_EQ(session.user.messageKeys().back(), key);
    }
    EXPECT_EQ(model.constructs[s].caption, "S");
    EXPECT_EQ(model.constructs[f1].construct, -1);
    dialog.name = "S";  // its own caption is no duplicate
    EXPECT_TRUE(dialog.ok());
    EXPECT_EQ(model.constructs[s].nCon, 1);
}

TEST_F(Membership, WithoutCandidatesTheDialogSaysSoAndOkKeepsNameAndMode) {
    model.addPath(f1, y);
    model.addPath(f2, y);
    SecondOrderMembership dialog(session.context(), s);
    dialog.show();
    EXPECT_EQ(session.user.messageKeys(), std::vector<std::string>{"MSG_No1stOrderConstruct"});
    dialog.name = "Empty";
    dialog.mode = 1;
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(model.constructs[s].caption, "Empty");
    EXPECT_EQ(model.constructs[s].type, 1);
    EXPECT_EQ(model.constructs[s].nCon, 0);
}

// A member that gains a path leaves both lists but keeps its link, and the member count
// keeps counting it, so the count always equals the links the model holds.
TEST_F(Membership, AMemberWithAPathLaterLeavesTheListsButStaysCounted) {
    SecondOrderMembership dialog(session.context(), s);
    dialog.show();
    dialog.assign({0, 1});
    ASSERT_TRUE(dialog.ok());
    model.addPath(f1, y);
    dialog.show();
    EXPECT_EQ(dialog.captions(dialog.members()), std::vector<std::string>{"F2"});
    EXPECT_EQ(dialog.captions(dialog.freeConstructs()), std::vector<std::string>{});
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(model.constructs[f1].construct, s);
    EXPECT_EQ(model.constructs[s].nCon, 2);
}

}  // namespace
}  // namespace qv
