#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/app/LanguageTexts.h"
#include "core/ports/ScriptedPorts.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataReader.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// A user who loads data files written into a fresh folder, with the texts of the status line.
class DataFileFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps test runs of several build folders apart.
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("qv-rawdata-") + std::to_string(::getpid()) + "-" +
                   info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        texts.set("MSG_nFields", "Variables");
        texts.set("MSG_nRow", "Cases");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    RawDataLoad loadFrom(const std::string& path) {
        table.raw = path;
        return LoadRawData(table, filter, texts, ports, ports);
    }
    RawDataLoad load(const std::string& name, const std::string& bytes) {
        return loadFrom(write(name, bytes));
    }

    // The grid row as texts, column 0 included.
    std::vector<std::string> row(int r) const {
        std::vector<std::string> cells;
        for (int c = 0; c < table.columnCount(); ++c) cells.push_back(table.cell(c, r));
        return cells;
    }

    std::vector<std::string> toldTexts() const {
        std::vector<std::string> texts;
        for (const Message& message : ports.messages()) texts.push_back(message.text);
        return texts;
    }

    RawDataTable table;
    CaseFilter filter;
    LanguageTexts texts;
    ScriptedPorts ports;

private:
    std::filesystem::path folder_;
};

using Row = std::vector<std::string>;
using Texts = std::vector<std::string>;

inline const std::string kImproperFormat = "Improper Format of Data File!\nPlease Check the Data.";

}  // namespace qv
