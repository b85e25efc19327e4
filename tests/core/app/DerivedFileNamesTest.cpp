#include "core/app/DerivedFileNames.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(DerivedFileNames, EmptyOutputNamesGetTheModelsFolderAndStem) {
    ProjectFiles files;
    files.project = "/home/u/study.v2.qvt";
    files.jackKnife = "/keep/own.jk";
    DeriveFileNames(files);
    EXPECT_EQ(files.pls, "/home/u/study.pls");
    EXPECT_EQ(files.bootStrap, "/home/u/study.bt");
    EXPECT_EQ(files.jackKnife, "/keep/own.jk");
    EXPECT_EQ(files.result, "/home/u/study.out");
    const auto resampling = resamplingFileNames(files.project);
    EXPECT_EQ(resampling.bootstrapListing, "/home/u/study.boot");
    EXPECT_EQ(resampling.bootstrapSummary, "/home/u/study_bt.out");
    EXPECT_EQ(resampling.jackknifeListing, "/home/u/study.jack");
    EXPECT_EQ(resampling.jackknifeSummary, "/home/u/study_jk.out");
}

TEST(DerivedFileNames, ModelWithoutFileNameKeepsTheNames) {
    ProjectFiles files;
    files.pls = "/old.pls";
    DeriveFileNames(files);
    EXPECT_EQ(files.pls, "/old.pls");
    EXPECT_EQ(files.result, "");
}

TEST(DerivedFileNames, ProjectNameWithoutExtensionGetsQvt) {
    EXPECT_EQ(withModelExtension("/home/u/study"), "/home/u/study.qvt");
    EXPECT_EQ(withModelExtension("C:\\models\\study"), "C:\\models\\study.qvt");
    EXPECT_EQ(withModelExtension("/home/u.d/study.cps"), "/home/u.d/study.cps");
    EXPECT_EQ(withModelExtension("/home/u.d/study"), "/home/u.d/study.qvt");
    EXPECT_EQ(withModelExtension("C:\\models\\"), "C:\\models\\");
    EXPECT_EQ(withModelExtension(""), "");
}

}  // namespace
}  // namespace qv
