#include "core/results/OutputNameClash.h"

#include <gtest/gtest.h>

#include "core/app/DerivedFileNames.h"

namespace qv {
namespace {

TEST(OutputNameClash, NamesTheOutputAndTheFileItWouldOverwrite) {
    ProjectFiles files;
    files.project = "/study/model.qvt";
    DeriveFileNames(files);
    EXPECT_EQ(OutputNameClash(files, "/study/data.txt"), "");

    ProjectFiles onData = files;
    onData.pls = "/study/sub/../data.txt";
    EXPECT_EQ(OutputNameClash(onData, "/study/data.txt"),
              "The output file PLS \"/study/sub/../data.txt\" is also the data file (\"/study/data.txt\"), "
              "which a run would overwrite. Choose another name in the Configuration.");

    ProjectFiles onModel = files;
    onModel.result = "/study/model.qvt";
    EXPECT_NE(OutputNameClash(onModel, "/study/data.txt").find("Result \"/study/model.qvt\" is also the model file"),
              std::string::npos);

    ProjectFiles shared = files;
    shared.jackKnife = shared.bootStrap;
    EXPECT_NE(OutputNameClash(shared, "/study/data.txt").find("JackKnife \"/study/model.bt\" is also the BootStrap file"),
              std::string::npos);

    // Files named after the outputs and the model count too.
    EXPECT_NE(OutputNameClash(files, "/study/model_2.pls").find("second-stage PLS"), std::string::npos);
    EXPECT_NE(OutputNameClash(files, "/study/model_boot.csv").find("bootstrap CSV summary"), std::string::npos);
}

}  // namespace
}  // namespace qv
