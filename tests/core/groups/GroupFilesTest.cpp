#include "core/groups/GroupFiles.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(GroupFiles, KeptNamesCarryTheModelFilesFullNameAndSourcesFollowTheConfiguredCard) {
    ProjectFiles files;
    files.project = "/data/study.v2.qvt";
    files.bootStrap = "/cards/own.bt";  // a name chosen in the Configuration dialog
    const GroupFileNames group2 = groupFileNames(files, 2);
    using Move = std::pair<std::string, std::string>;
    EXPECT_EQ(group2.moves, (std::vector<Move>{
                                {"/cards/own.bt", "/data/study.v2.qvt_gp2.pls"},
                                {"/data/study.boot", "/data/study.v2.qvt_gp2.out"},
                                {"/data/study_bt.out", "/data/study.v2.qvt_summary_gp2.out"}}));
    EXPECT_EQ(group2.loadings, "/data/study.v2.qvt_cfa_gp2.csv");
    EXPECT_EQ(groupFileNames(files, 1).loadings, "/data/study.v2.qvt_cfa_gp1.csv");
}

}  // namespace
}  // namespace qv
