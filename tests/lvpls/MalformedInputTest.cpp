#include "lvpls/ListingStream.h"
#include "lvpls/ProblemRunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <sstream>

namespace lvpls {
namespace {

// A small valid control file: blocks A (a1, a2) and B (b1, b2, b3), path A to B, 12 cases.
std::string validControlText() {
    std::string text =
        "COMMENT\nALLSample\nCEND\nPLSX\nQuorvanta Version 1.0\n"
        "   2  12   12255   1 100   5   1  -2   4\n"
        "   2   3\n   0   1\n   1   1\n"
        "      a1      a2      b1      b2      b3\n"
        " 0 011  (2A4,2F2.0)\n       A . .\n       B 1 .\n"
        " 0 0 0 0(2A4,5F8.2)";
    for (int c = 1; c <= 12; ++c) {
        char record[80];
        std::snprintf(record, sizeof record, "\nCase%4d%8.2f%8.2f%8.2f%8.2f%8.2f", c, 1.0 + c % 5, 2.0 + c % 3,
                      1.0 + (c * 7) % 6, 3.0 - c % 4, 0.5 * (c % 7));
        text += record;
    }
    return text + "\n\nSTOP";
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream input(text);
    for (std::string line; std::getline(input, line);) result.push_back(line);
    return result;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += part + "\n";
    return text;
}

// Runs the engine on the text in-process; every problem must end estimated or with its Error line.
void expectCleanListing(const std::string& text) {
    std::istringstream input(text);
    streamListing(input, [](std::string_view listing) {
        const std::size_t title = listing.find("\r\n");
        ASSERT_NE(title, std::string::npos);
        const std::size_t body = listing.find("\r\n", title + 2);
        ASSERT_NE(body, std::string::npos) << listing;
        const bool failed = listing.compare(body + 2, 7, "Error: ") == 0;
        EXPECT_NE(failed, listing.find("Path coefficients") != std::string::npos) << listing;
    });
}

TEST(MalformedInput, TheValidFileIsEstimated) {
    std::istringstream input(validControlText());
    LineReader reader(input);
    ProblemSplitter splitter(reader);
    const std::string listing = runProblem(*splitter.next());
    EXPECT_NE(listing.find("Crossvalidated"), std::string::npos) << listing;
}

TEST(MalformedInput, TruncatedAtEveryByte) {
    const std::string text = validControlText();
    for (std::size_t length = 0; length <= text.size(); ++length) expectCleanListing(text.substr(0, length));
}

TEST(MalformedInput, EveryLineDeletedDuplicatedOrReplacedByGarbage) {
    const std::vector<std::string> valid = lines(validControlText());
    std::string binary;
    for (int i = 0; i < 10000; ++i) binary += char(i * 37 % 256);
    const std::vector<std::string> replacements = {"", std::string(10000, 'x'), std::string(10000, '9'),
                                                   std::string(10000, ' ') + "1", binary, "   1-  1",
                                                   "Case   1    1.00", "MISSING       -1"};
    for (std::size_t i = 0; i < valid.size(); ++i) {
        std::vector<std::string> changed = valid;
        changed.erase(changed.begin() + long(i));
        expectCleanListing(joined(changed));
        changed = valid;
        changed.insert(changed.begin() + long(i), valid[i]);
        expectCleanListing(joined(changed));
        for (const std::string& replacement : replacements) {
            changed = valid;
            changed[i] = replacement;
            expectCleanListing(joined(changed));
        }
    }
}

TEST(MalformedInput, LettersAndWrongCountsInEveryNumber) {
    const std::string text = validControlText();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        for (char replacement : {'O', '0', '9', '-', ' '}) {
            std::string changed = text;
            changed[i] = replacement;
            expectCleanListing(changed);
        }
    }
}

TEST(MalformedInput, RandomByteDamage) {
    const std::string text = validControlText();
    std::mt19937 generator(20261207);
    std::uniform_int_distribution<std::size_t> position(0, text.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int run = 0; run < 2000; ++run) {
        std::string changed = text;
        for (int k = 0; k < 1 + run % 8; ++k) changed[position(generator)] = char(byte(generator));
        expectCleanListing(changed);
    }
}

TEST(MalformedInput, ExtremeFilesEndQuickly) {
    const auto start = std::chrono::steady_clock::now();
    std::string random(200000, '\0');
    std::mt19937 generator(7);
    for (char& c : random) c = char(generator());
    const std::string card = "COMMENT\nALLSample\nCEND\nPLSX\nprogram\n";
    for (const std::string& text :
         {std::string(), std::string("STOP"), std::string("COMMENT"), random, "COMMENT\n" + random,
          std::string(3'000'000, 'y'), card + "   9999999   12255   1 100   5   1   0   0\n",
          card + " 500   3   12255   1 100   5   1   0   0\n",
          card + "   1   3   12255   1 100   5   1   0   0\n999999999\n   0\n   1\n",
          card + "   1   3   12255   1999999999   5   1   1 999999999\n   2\n   0\n   1\n a b\n\n A .\n\n"
                 "Case   1 1 2\nCase   2 2 1\nCase   3 3 3\n",
          card + "   1   4   12255   1999999999   5   1   0   0\n   2\n   0\n   1\n a b\n\n A .\n\n"
                 "Case   1 1 2\nCase   2 2 1\nCase   3 3 3\nCase   4 1 1\n"}) {
        expectCleanListing(text);
    }
    std::string repeated;
    for (int i = 0; i < 2000; ++i) repeated += "COMMENT\nSubSample " + std::to_string(i) + "\n";
    expectCleanListing(repeated);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

}  // namespace
}  // namespace lvpls
